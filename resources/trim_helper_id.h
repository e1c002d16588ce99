/* Resource number of the memory-trim helper program (empty.exe), shared by the resource script and the code. */
#pragma once

#define IDR_TRIM_HELPER 2001
