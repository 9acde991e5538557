# Warnings for our own code; every target of the project links this.
add_library(primorator_warnings INTERFACE)
target_compile_options(primorator_warnings INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -pedantic -Werror>
  $<$<COMPILE_LANGUAGE:C>:-Wall -Wextra -pedantic -Werror>)
