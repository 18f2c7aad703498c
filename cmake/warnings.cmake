# Pastura's warning settings, on an interface target that every target of the
# project's own folders links once the whole build is known; GoogleTest's own
# build, added from outside the project, keeps its settings.
add_library(pastura_warnings INTERFACE)
if(MSVC)
  target_compile_options(pastura_warnings INTERFACE /W4 $<$<BOOL:${PASTURA_WARNINGS_AS_ERRORS}>:/WX>)
else()
  target_compile_options(pastura_warnings INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor>
    $<$<AND:$<COMPILE_LANGUAGE:CXX>,$<BOOL:${PASTURA_WARNINGS_AS_ERRORS}>>:-Werror>)
endif()

# Links pastura_warnings to every compiled target in `dir` and the folders
# below it that belong to the project.
function(pastura_warn_targets dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY)$")
      target_link_libraries(${target} PRIVATE pastura_warnings)
    endif()
  endforeach()
  get_property(folders DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(folder IN LISTS folders)
    cmake_path(IS_PREFIX PROJECT_SOURCE_DIR ${folder} NORMALIZE inside)
    if(inside)
      pastura_warn_targets(${folder})
    endif()
  endforeach()
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL pastura_warn_targets ${PROJECT_SOURCE_DIR})
