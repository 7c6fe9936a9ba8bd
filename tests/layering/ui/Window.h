// A window that reaches start-up: the layer check must refuse it.
#include "../app/Startup.h"
