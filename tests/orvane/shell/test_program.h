// The program values that a test hands to the windows it makes, one set per test program.
#pragma once

#include "program_values.h"
#include "test_program.h"

// Tests reset the fields they rely on in their set-up; nothing else in the program reads it.
ProgramValues& TestProgram();

// The test program's values with `control` as their service control.
inline ProgramValues& TestProgramWith(ServiceControl& control)
{
    TestProgram().serviceControl = &control;
    return TestProgram();
}
