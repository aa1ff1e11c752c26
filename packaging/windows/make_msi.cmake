# SPDX-License-Identifier: MIT
# Run by cpack once it has staged the files of the .zip: wixl makes the .msi from the same files,
# so that the two packages cannot differ in what they carry.
set(wxs ${CPACK_TOPLEVEL_DIRECTORY}/zirev1.wxs)
# wixl takes only relative sources, from the folder it runs in.
file(RELATIVE_PATH ZIREV1_STAGE ${CPACK_TOPLEVEL_DIRECTORY} ${CPACK_TEMPORARY_DIRECTORY})
file(RELATIVE_PATH ZIREV1_ICON ${CPACK_TOPLEVEL_DIRECTORY} ${CPACK_ZIREV1_ICON})
configure_file(${CPACK_ZIREV1_WXS} ${wxs} @ONLY)
set(msi ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi)
execute_process(COMMAND ${CPACK_ZIREV1_WIXL} --arch x64 --output ${msi} ${wxs}
                WORKING_DIRECTORY ${CPACK_TOPLEVEL_DIRECTORY} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "wixl could not make ${msi}")
endif()
message(STATUS "- package: ${msi} generated.")
