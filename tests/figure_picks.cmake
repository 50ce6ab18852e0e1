# SPDX-License-Identifier: GPL-3.0-or-later
# Every figure picked right after every figure, itself included, in one walk
# of 82 picks in which each of the 81 ordered pairs occurs once: i i, then
# i+1 i, i+2 i ... up to 8 for each i, and back to 0. Each pick opens the
# list, picks its item with the mouse and runs Combo1_Click exactly once,
# whatever was picked before. The script is made here and replayed through
# tavrimo-script like a scenario.

set(items "دائرة" "مربع" "كرة" "متوازي مستطيلات" "مخروط" "زوايا" "مكعب" "موشور" "هرم")
set(walk)
foreach(i RANGE 8)
  list(APPEND walk ${i} ${i})
  foreach(j RANGE ${i} 8)
    if(j GREATER i)
      list(APPEND walk ${j})
      if(j LESS 8)
        list(APPEND walk ${i})
      endif()
    endif()
  endforeach()
endforeach()
list(APPEND walk 0)

set(script "show Combo1.Text\n")
set(expected "Combo1.Text=\n")
foreach(item IN LISTS walk)
  list(GET items ${item} name)
  string(APPEND script "pick Combo1 ${item}\nshow Combo1.Text\nstats\n")
  string(APPEND expected "Combo1.Text=${name}\nstats handlers=1 depth=1\n")
endforeach()

file(WRITE "${WORK}/figure_picks.scn" "${script}")
execute_process(COMMAND "${DRIVER}" "${WORK}/figure_picks.scn"
  OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE code TIMEOUT 100)
if(NOT code EQUAL 0 OR NOT actual STREQUAL expected)
  message(FATAL_ERROR "exit ${code}\n${errors}--- expected\n${expected}--- actual\n${actual}---")
endif()
