// COrvaneDoc: the Alert Manager's document, which holds nothing.
#pragma once

#include "framework.h"

// Every page reads and writes through the alert core itself; the document exists because the
// framework's New and Open commands expect one, and it reads and writes nothing.
class COrvaneDoc : public CDocument { };
