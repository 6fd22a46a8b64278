#include "grid/base/zuzcheck.h"

String ZEziZizuvoVovaZevaz::MarkError(int32_t, int32_t, const String& s) { return s; }

String ZEziZizuvoVovaZevaz::Correct(int32_t, int32_t, const String& s) { return s; }
