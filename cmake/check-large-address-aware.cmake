# cmake -DOBJDUMP=<objdump> -DEXE=<program> -P check-large-address-aware.cmake
# Fails unless the PE header of a 32-bit program says it is large address aware.
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE header RESULT_VARIABLE failed)
if(failed OR NOT header MATCHES "large address aware")
  # Removed, so that the next build links it again and checks it again.
  file(REMOVE ${EXE})
  message(FATAL_ERROR "${EXE} is not large address aware")
endif()
