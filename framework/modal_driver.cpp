// The installed modal driver of this module.
#include "modal_driver.h"

namespace {

ModalDriver* g_driver = nullptr;

}  // namespace

ModalDriver* ModalDriver::Current()
{
    return g_driver;
}

ModalDriver* ModalDriver::Install(ModalDriver* driver)
{
    ModalDriver* previous = g_driver;
    g_driver = driver;
    return previous;
}
