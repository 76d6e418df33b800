// The export that installs a module's test seams.
#include "module_seams.h"

#include "modal_driver.h"
#include "prompter.h"
#include "system_dialogs.h"

extern "C" void WINAPI FrameworkInstallSeams(const ModuleSeams* seams, ModuleSeams* previous)
{
    const ModuleSeams none;
    const ModuleSeams& wanted = seams ? *seams : none;
    ModuleSeams replaced;
    replaced.prompter = Prompter::Install(wanted.prompter);
    replaced.modalDriver = ModalDriver::Install(wanted.modalDriver);
    replaced.systemDialogs = SystemDialogs::Install(wanted.systemDialogs);
    if (previous)
        *previous = replaced;
}
