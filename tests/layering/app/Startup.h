// Start-up, which no window may include.
#pragma once
