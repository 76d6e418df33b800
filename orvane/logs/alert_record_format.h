// The layout of ALRECORD.TBL's header and record slots.
#pragma once
