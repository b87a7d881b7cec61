# Included by ctest as it starts (TEST_INCLUDE_FILES): registers each case that a Windows test
# program lists under Wine as a test of its own. The list is read again only after the program has
# been built anew. Set by the includer: program, list (its arguments that list the cases), run (its
# arguments before a case's name), title (put before each name), and cmake, emulator, environment, cache.
if(NOT EXISTS "${cache}" OR "${program}" IS_NEWER_THAN "${cache}")
    execute_process(
        COMMAND ${cmake} -E env ${environment} WINE_RUN_DISPLAY=null
                ${emulator} ${program} ${list}
        OUTPUT_VARIABLE cases ERROR_VARIABLE error RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        add_test("${title}the cases are listed" ${cmake} -E echo
                 "listing failed (${status}): ${error}")
        set_tests_properties("${title}the cases are listed" PROPERTIES WILL_FAIL ON LABELS windows)
        return()
    endif()
    string(REPLACE "\r" "" cases "${cases}")
    file(WRITE "${cache}" "${cases}")
endif()
file(STRINGS "${cache}" cases ENCODING UTF-8)
foreach(name IN LISTS cases)
    add_test("${title}${name}" ${emulator} ${program} ${run} "${name}")
    set_tests_properties("${title}${name}" PROPERTIES LABELS windows FIXTURES_REQUIRED wine_prefix
                         ENVIRONMENT "${environment}")
endforeach()
