// The custom control library QVCTRLU.DLL: window classes, messages and the justification switch.
#pragma once

#include <windows.h>

// Window classes registered (for every module of the process) while the library is loaded.
#define QV_NUMSPIN_CLASS "QVNumSpin"
#define QV_DATE_CLASS "QVDate"
#define QV_TIME_CLASS "QVTime"

// QVNumSpin: lParam = MAKELPARAM(minimum, maximum), both signed 16-bit; answers 1.
#define QVM_SETRANGE 1027
// QVNumSpin: wParam = the value; it is clamped to the range; answers the value kept.
#define QVM_SETVALUE 1029
// QVNumSpin: answers the value, clamping what was typed (and showing the clamped value).
#define QVM_GETVALUE 1030
// QVDate / QVTime: wParam 0, lParam = address of three ints: year (four digits), month
// (0 = January), day; or hour, minute, second. Fields out of range are clamped. Answers
// 1, or 0 when lParam is null.
#define QVM_SETFIELDS 1045
#define QVM_GETFIELDS 1046

#ifdef __cplusplus
extern "C" {
#endif

// Controls created afterwards show their numbers right-aligned in a sunken 3-D field
// (nonzero) or left-aligned in a flat bordered field (0, the initial setting). Answers the
// previous setting.
BOOL WINAPI EnableStatic3DJustification(BOOL enable);

#ifdef __cplusplus
}
#endif
