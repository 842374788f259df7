# From GCC's -aux-info output for a header (HEADER, kelvolib.h unless given): the declared
# function names, one per line, and (when TABLE is given) a C program that takes the
# address of each.
if(NOT HEADER)
  set(HEADER kelvolib.h)
endif()
string(REPLACE "." "\\." header_pattern "${HEADER}")
file(STRINGS "${RAW}" rows REGEX "${header_pattern}:[0-9]+:")
set(names "")
foreach(row IN LISTS rows)
  if(row MATCHES "\\*/ extern .*[ *]([A-Za-z_][A-Za-z0-9_]*) \\(")
    list(APPEND names "${CMAKE_MATCH_1}")
  endif()
endforeach()
list(REMOVE_DUPLICATES names)
list(LENGTH names count)
if(count EQUAL 0)
  message(FATAL_ERROR "no function declarations found in ${RAW}")
endif()
string(REPLACE ";" "\n" lines "${names}")
file(WRITE "${LIST}" "${lines}\n")
if(NOT TABLE)
  return()
endif()

set(entries "")
foreach(name IN LISTS names)
  string(APPEND entries "    (AnyFunction)&${name},\n")
endforeach()
file(WRITE "${TABLE}" "/* Made from the declarations of kelvolib.h: the address of every function. */
#include <stdio.h>
#include \"lib/kelvolib.h\"

typedef void (*AnyFunction)(void);

static AnyFunction const every_export[] = {
${entries}};

int main(void)
{
    size_t const count = sizeof every_export / sizeof every_export[0];
    size_t found = 0;
    for (size_t i = 0; i < count; ++i)
        found += every_export[i] != 0;
    printf(\"%zu of %zu declared functions are exported\\n\", found, count);
    return found == count ? 0 : 1;
}
")
