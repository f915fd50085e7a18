# The language level and the warnings of Pellitor's own targets, set on each of them: a library
# the project only uses (GoogleTest, Qt) keeps its own. Every preset builds warning-free with
# g++ 12 and clang 14.
set(PELLITOR_WARNINGS -Wall -Wextra -Wshadow)

# Sets them on every target that the directory and the directories below it define.
function(pellitor_configure_targets directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "INTERFACE_LIBRARY")
            target_compile_features(${target} INTERFACE cxx_std_20)
        elseif(type MATCHES "LIBRARY$|EXECUTABLE")
            target_compile_features(${target} PUBLIC cxx_std_20)
            target_compile_options(${target} PRIVATE ${PELLITOR_WARNINGS})
        endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory ${subdirectories})
        pellitor_configure_targets(${subdirectory})
    endforeach()
endfunction()
