# cmake -DPROGRAMS=a;b -DWORK=folder -P RunByHand.cmake
# See cvi_add_run_by_hand_test in CMakeLists.txt.
if(WIN32)
  file(TO_CMAKE_PATH "$ENV{ProgramData}/CVI Zelto/poldivju.ini" machine_file)
else()
  set(machine_file /etc/cvi-zelto/poldivju.ini)
endif()

# The file's content and its folder's last change: a program that wrote the file and removed it
# again (the tests clear their settings file first) still leaves its mark on the folder.
function(describe_file path out)
  get_filename_component(folder "${path}" DIRECTORY)
  set(state "folder absent")
  if(EXISTS "${folder}")
    file(TIMESTAMP "${folder}" changed "%Y-%m-%d %H:%M:%S" UTC)
    set(state "folder changed ${changed}")
  endif()
  if(EXISTS "${path}")
    file(SHA256 "${path}" hash)
    string(APPEND state ", file ${hash}")
  endif()
  set(${out} "${state}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK}")
set(home "${WORK}/home")
file(MAKE_DIRECTORY "${home}")
describe_file("${machine_file}" machine_before)

foreach(program ${PROGRAMS})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=CVI_SETTINGS_FILE --unset=TMPDIR --unset=QT_QPA_PLATFORM
            "HOME=${home}" "XDG_CONFIG_HOME=${home}/.config" "APPDATA=${home}/AppData"
            "${program}"
    WORKING_DIRECTORY "${WORK}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${program} failed when run by hand (${result}):\n${output}")
  endif()
  describe_file("${machine_file}" machine_after)
  if(NOT machine_after STREQUAL machine_before)
    message(FATAL_ERROR "${program} touched the computer's settings file ${machine_file}: "
                        "${machine_before} before, ${machine_after} after")
  endif()
  file(GLOB_RECURSE user_files "${home}/*poldivju.ini")
  if(user_files)
    message(FATAL_ERROR "${program} wrote the user's settings file: ${user_files}")
  endif()
endforeach()
