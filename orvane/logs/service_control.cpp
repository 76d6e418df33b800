// The program's one service control seam over the service control manager.
#include "service_control.h"

#include "service_control_scm.h"

ServiceControl& SystemServiceControl()
{
    static ScmServiceControl control;
    return control;
}
