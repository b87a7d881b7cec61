# fernbogen.exe is one small file that needs only the DLLs every Windows brings.
#   cmake -Dprogram=fernbogen.exe -P check_program_file.cmake
cmake_minimum_required(VERSION 3.25)
file(SIZE "${program}" size)
math(EXPR kilobytes "${size} / 1024")
message("fernbogen.exe: ${size} bytes (${kilobytes} KB)")
# Debian 12's MinGW builds about 455 KB, Debian 13's about 45 KB more: the limit leaves room above
# both.
if(size GREATER_EQUAL 614400)
    message(FATAL_ERROR "fernbogen.exe is not under 600 KB")
endif()

execute_process(COMMAND x86_64-w64-mingw32-objdump -p "${program}" OUTPUT_VARIABLE headers
                COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
# Accessibility (MSAA, COM: oleacc, ole32, oleaut32) is part of every Windows since 98.
set(system kernel32.dll user32.dll gdi32.dll msvcrt.dll oleacc.dll ole32.dll oleaut32.dll)
foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(TOLOWER "${dll}" dll)
    message("fernbogen.exe imports ${dll}")
    if(NOT dll IN_LIST system)
        message(FATAL_ERROR "fernbogen.exe needs ${dll}, which Windows does not bring")
    endif()
endforeach()
