# SPDX-License-Identifier: GPL-3.0-or-later
# The bank of expert squares is data: the build turns core/expert_bank.txt
# into a source file of the logic, for the game's build and the fuzz build
# alike. Sets the variable named by out to that source.
function(glyph_expert_bank_source out)
  set(bank ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/expert_bank.txt)
  file(READ ${bank} GLYPH_EXPERT_BANK)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/expert_bank_text.cpp.in
                 ${CMAKE_CURRENT_BINARY_DIR}/expert_bank_text.cpp @ONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${bank})
  set(${out} ${CMAKE_CURRENT_BINARY_DIR}/expert_bank_text.cpp PARENT_SCOPE)
endfunction()
