// The network pages' fixture: the recording core, the configuration tab and a fake network of
// one provider, two domains and their servers, each with its print queues.
#pragma once

#include <string>
#include <vector>

#include "fake_network.h"
#include "page_fixture.h"

// Records the text and the caption of every message box, answering `answer`.
class CaptionPrompter : public Prompter {
public:
    CaptionPrompter() : m_previous(Prompter::Install(this)) { }
    ~CaptionPrompter() override { Prompter::Install(m_previous); }
    int Show(HWND, const std::string& text, const std::string& caption, UINT) override
    {
        texts.push_back(text);
        captions.push_back(caption);
        return answer;
    }
    void Beep(UINT) override { }

    std::vector<std::string> texts;
    std::vector<std::string> captions;
    int answer = IDOK;

private:
    Prompter* m_previous;
};

inline FakeResource Resource(
    const std::string& remote, DWORD displayType, DWORD type = RESOURCETYPE_ANY, DWORD usage = RESOURCEUSAGE_CONTAINER)
{
    FakeResource resource;
    resource.remote = remote;
    resource.displayType = displayType;
    resource.type = type;
    resource.usage = usage;
    return resource;
}

inline void LayOutSite(FakeNetwork& network)
{
    const std::string top = "Microsoft Windows Network";
    FakeResource other = Resource("Other Network", RESOURCEDISPLAYTYPE_NETWORK);
    other.provider = "Other Network";
    network.children[""] = {other, Resource(top, RESOURCEDISPLAYTYPE_NETWORK)};
    network.children[top] = {
        Resource("VEXDOM", RESOURCEDISPLAYTYPE_DOMAIN), Resource("LABDOM", RESOURCEDISPLAYTYPE_DOMAIN)};
    network.children["VEXDOM"] = {Resource("\\\\GAMMA", RESOURCEDISPLAYTYPE_SERVER),
        Resource("\\\\ALPHA", RESOURCEDISPLAYTYPE_SERVER), Resource("\\\\ODD", RESOURCEDISPLAYTYPE_SHARE)};
    network.children["LABDOM"] = {Resource("\\\\DELTA", RESOURCEDISPLAYTYPE_SERVER)};
    const DWORD share = RESOURCEDISPLAYTYPE_SHARE;
    network.children["\\\\GAMMA"] = {Resource("\\\\GAMMA\\LASER", share, RESOURCETYPE_PRINT, RESOURCEUSAGE_CONNECTABLE),
        Resource("\\\\GAMMA\\COLOR", share, RESOURCETYPE_PRINT, RESOURCEUSAGE_CONNECTABLE)};
}

template <class P> class NetworkPageTest : public PageTest<P> {
protected:
    void SetUp() override
    {
        PageTest<P>::SetUp();
        LayOutSite(network);
        m_savedNetwork = TestProgram().network;
        TestProgram().network = &network;
    }
    void TearDown() override
    {
        PageTest<P>::TearDown();
        TestProgram().network = m_savedNetwork;
    }

    FakeNetwork network;

private:
    NetworkProvider* m_savedNetwork = nullptr;
};
