// The layout of ALRECORD.TBL's header and record slots.
#include "alert_record_format.h"
