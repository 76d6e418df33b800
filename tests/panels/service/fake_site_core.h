// FakeSiteCore: a small site of recording server objects behind the panel's two branches.
#pragma once

#include <cstring>

#include "fake_server_object.h"
#include "service_fakes.h"

// The site: SALES with ALPHA (scanning, real time on) and BETA (stopped); this computer.
class FakeSiteCore : public FakeServiceCore {
public:
    FakeSiteCore()
    {
        self.entries = {MakeEntry("HOME", "SALES", "HOME", 3), MakeEntry("", "", "", 3)};
        network.entries = {MakeEntry("SALES", "SALES", "", 2)};
        network.children["SALES"] = &sales;
        sales.entries = {MakeEntry("ALPHA", "SALES", "ALPHA", 3), MakeEntry("BETA", "SALES", "BETA", 3)};
        sales.children["ALPHA"] = &alpha;
        sales.children["BETA"] = &beta;
        alpha.stateWord = 0x1401;
        const DWORD versions[4] = {0x00010000, 0x00130003, 0x0004000A, 0x00050001};
        std::memcpy(alpha.versions, versions, sizeof versions);
        std::memcpy(beta.versions, versions, sizeof versions);
    }
    CVexomarServer* PointToPointServer() override { return self.AsServer(); }
    CVexomarServer* NetworkServer() override { return network.AsServer(); }

    FakeServerObject self {"HOME", kVexomarKindNetwork};
    FakeServerObject network {"", kVexomarKindNetwork};
    FakeServerObject sales {"SALES", kVexomarKindDomain};
    FakeServerObject alpha {"ALPHA"};
    FakeServerObject beta {"BETA"};
};
