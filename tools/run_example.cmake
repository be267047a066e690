# Evaluates each examples/submission*.txt against examples/input.txt and shows the report.
# Called by the run-example target with MREZOVNIK, EXAMPLES and OUT set.
file(MAKE_DIRECTORY ${OUT})
file(GLOB submissions ${EXAMPLES}/submission*.txt)
foreach(submission IN LISTS submissions)
  get_filename_component(name ${submission} NAME_WE)
  set(report ${OUT}/${name}-report.txt)
  message("== mrezovnik eval examples/input.txt examples/${name}.txt ${report}")
  execute_process(COMMAND ${MREZOVNIK} eval ${EXAMPLES}/input.txt ${submission} ${report}
                  RESULT_VARIABLE exit_code)
  file(READ ${report} text)
  message("-- exit code ${exit_code}; the report:\n${text}")
endforeach()
