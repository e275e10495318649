# Hosts start the tool for every query, and each shared library it maps costs start-up time
# (libxcb with the four libraries it brings, about 0.3 ms a run, an eighth of a window query).
# orvane_link_archives links the static archives of a pkg-config module set instead, where the
# system has them all and a program using them links; otherwise the shared libraries.
#
#   orvane_link_archives(TARGET PREFIX IMPORTED-TARGET TEST-PROGRAM)
#
# PREFIX is the prefix given to pkg_check_modules, IMPORTED-TARGET its shared-library target.
include(CheckCXXSourceCompiles)

function(orvane_link_archives target prefix imported program)
  set(archives)
  foreach(library IN LISTS ${prefix}_STATIC_LIBRARIES)
    find_library(ORVANE_ARCHIVE_${library} NAMES lib${library}.a)
    list(APPEND archives ${ORVANE_ARCHIVE_${library}})
  endforeach()
  set(CMAKE_REQUIRED_LIBRARIES ${archives})
  set(CMAKE_REQUIRED_INCLUDES ${${prefix}_INCLUDE_DIRS})
  check_cxx_source_compiles("${program}" ORVANE_${prefix}_ARCHIVES_LINK)
  if(ORVANE_${prefix}_ARCHIVES_LINK)
    target_include_directories(${target} PRIVATE ${${prefix}_INCLUDE_DIRS})
    target_link_libraries(${target} PRIVATE ${archives})
  else()
    target_link_libraries(${target} PRIVATE ${imported})
  endif()
endfunction()
