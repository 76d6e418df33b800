// The program values of a test program.
#include "test_program.h"

ProgramValues& TestProgram()
{
    static ProgramValues values;
    return values;
}
