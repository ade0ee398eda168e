#pragma once

// Ids of the program's resources, shared by the resource script and the code.
#define QUELVO_PROGRAM_ICON 1
