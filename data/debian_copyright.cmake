# SPDX-License-Identifier: MIT
# Writes the Debian package's machine-readable copyright file from the project's LICENSE.
#   cmake -DLICENSE=... -DOUTPUT=... -P debian_copyright.cmake
cmake_policy(SET CMP0007 NEW) # keep the empty lines between paragraphs
file(READ ${LICENSE} content)
string(STRIP "${content}" content)
string(REPLACE "\n" ";" lines "${content}") # empty lines stay, as empty items
list(GET lines 2 notice) # "Copyright (c) YEAR HOLDERS"
string(REGEX REPLACE "^Copyright \\(c\\) " "" holders "${notice}")
list(SUBLIST lines 4 -1 terms)
set(text "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n")
string(APPEND text "Upstream-Name: zirev1\n\n")
string(APPEND text "Files: *\nCopyright: Copyright ${holders}\nLicense: Expat\n\n")
string(APPEND text "License: Expat\n")
foreach(line IN LISTS terms)
  if(line STREQUAL "")
    string(APPEND text " .\n")
  else()
    string(APPEND text " ${line}\n")
  endif()
endforeach()
file(WRITE ${OUTPUT} "${text}")
