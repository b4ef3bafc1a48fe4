// The closing lines both programs put under messages that send the user to
// the manuals. Macros, so that they join the string literals they close.
#pragma once

#define MANUAL_TAIL                                                  \
    "For more information, refer to the Installation And Overview\n" \
    "manual supplied with your software package."
#define MANUAL_TAIL_SHORT_LINES                             \
    "For more information, refer to the Installation And\n" \
    "Overview manual supplied with your software package."
// The reader the program's user manual needs, then MANUAL_TAIL_SHORT_LINES;
// `program` is a string literal, the program's name.
#define MANUAL_READER_TAIL(program)                           \
    "Adobe Acrobat Reader (version 3.0 or higher) must be \n" \
    "installed in order to view the " program " User Manual.\n" MANUAL_TAIL_SHORT_LINES
