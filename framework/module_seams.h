// The test seams of one module, installed from another module through an export.
#pragma once

#include <windows.h>

class Prompter;
class ModalDriver;
class SystemDialogs;

// Every module linked with the framework has its own prompter, modal driver and system
// dialogs. A null member installs the module's default again.
struct ModuleSeams {
    Prompter* prompter = nullptr;
    ModalDriver* modalDriver = nullptr;
    SystemDialogs* systemDialogs = nullptr;
};

// Installs `seams` in this module and, when `previous` is given, answers the ones replaced.
// A plug-in exports it by naming it in its .def file (FrameworkInstallSeams@8), so that a test
// program that loads the real plug-in can still script its prompts and dialogs.
extern "C" void WINAPI FrameworkInstallSeams(const ModuleSeams* seams, ModuleSeams* previous);
