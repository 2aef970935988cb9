# Compiles the help file twice, more than a second apart, and checks that the
# cleaned-up results are byte for byte the same.
foreach(run first second)
    if(run STREQUAL "second")
        execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 2)
    endif()
    execute_process(
        COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${SOURCE_DIR} -DPROJECT_FILE=Ohmbrook2Help.hhp
                -DWORK_DIR=${WORK_DIR}/${run} -DCHMCMD=${CHMCMD} -P ${COMPILE_SCRIPT}
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "compiling the help file failed (${run})")
    endif()
    execute_process(COMMAND ${NORMALIZE} ${WORK_DIR}/${run}/Ohmbrook2Help.chm ${WORK_DIR}/${run}.chm
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "cleaning the help file failed (${run})")
    endif()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                ${WORK_DIR}/first/Ohmbrook2Help.chm ${WORK_DIR}/second/Ohmbrook2Help.chm
                RESULT_VARIABLE raw_differs)
if(NOT raw_differs)
    message(STATUS "the two raw compilations happen to be identical")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/first.chm ${WORK_DIR}/second.chm
                RESULT_VARIABLE differs)
if(differs)
    message(FATAL_ERROR "two compilations of the same help sources differ")
endif()
