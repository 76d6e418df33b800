// The two tables of service control results: the system's service error numbers to our texts.
#include "service_status_messages.h"

#include "service_control_ids.h"

namespace {
// The system's service control errors the texts speak of.
enum : std::uint32_t {
    kDependentServicesRunning = 1051,
    kServiceRequestTimeout = 1053,
    kServiceAlreadyRunning = 1056,
    kInvalidServiceAccount = 1057,
    kServiceDisabled = 1058,
    kServiceDoesNotExist = 1060,
    kServiceCannotAcceptControl = 1061,
    kServiceNotActive = 1062,
};
}  // namespace

unsigned StartStatusMessage(std::uint32_t status)
{
    switch (status) {
    case 0: return 0;
    case kStatusAccessDenied: return IDS_NOT_AUTHORIZED;
    case kServiceRequestTimeout: return IDS_NO_TIMELY_ANSWER;
    case kServiceAlreadyRunning: return IDS_ALREADY_ACTIVE;
    case kInvalidServiceAccount: return IDS_OPERATION_NOT_AUTHORIZED;
    case kServiceDisabled: return IDS_SERVICE_DISABLED;
    case kServiceDoesNotExist: return IDS_NO_SUCH_SERVICE;
    case kServiceCannotAcceptControl: return IDS_CANNOT_ACCEPT_CONTROL;
    default: return IDS_COULD_NOT_START;
    }
}

unsigned StopStatusMessage(std::uint32_t status)
{
    switch (status) {
    case 0: return 0;
    case kStatusAccessDenied: return IDS_NOT_AUTHORIZED;
    case kDependentServicesRunning: return IDS_DEPENDENTS_RUNNING;
    case kServiceDoesNotExist: return IDS_NO_SUCH_SERVICE;
    case kServiceNotActive: return IDS_ALREADY_INACTIVE;
    default: return IDS_COULD_NOT_STOP;
    }
}
