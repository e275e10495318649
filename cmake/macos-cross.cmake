# Cross-builds the macOS tool on Linux with clang and ld64.lld, against a macOS SDK that the
# caller provides (nothing of an SDK belongs in this project). One architecture per build folder:
#
#   cmake -B build-macos-arm64 -G Ninja --toolchain cmake/macos-cross.cmake \
#         -DORVANE_MACOS_SDK=/path/to/MacOSX.sdk -DCMAKE_OSX_ARCHITECTURES=arm64 -DBUILD_TESTING=OFF
#
# scripts/cross-build-macos.sh builds both architectures and joins them. On a Mac none of this is
# needed: Xcode's command-line tools and `cmake -B build && cmake --build build` build the tool.
set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_SYSTEM_PROCESSOR "${CMAKE_OSX_ARCHITECTURES}")

if(NOT ORVANE_MACOS_SDK)
  set(ORVANE_MACOS_SDK "$ENV{ORVANE_MACOS_SDK}")
endif()
if(NOT ORVANE_MACOS_SDK OR NOT EXISTS "${ORVANE_MACOS_SDK}/usr/include/stdlib.h")
  message(FATAL_ERROR "Set ORVANE_MACOS_SDK to the path of a macOS SDK (a MacOSX*.sdk folder)")
endif()
# try_compile projects inherit neither cache variable without this.
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORVANE_MACOS_SDK CMAKE_OSX_ARCHITECTURES)
set(CMAKE_OSX_SYSROOT "${ORVANE_MACOS_SDK}" CACHE PATH "The macOS SDK")

list(LENGTH CMAKE_OSX_ARCHITECTURES architectureCount)
if(NOT architectureCount EQUAL 1)
  message(FATAL_ERROR "Set CMAKE_OSX_ARCHITECTURES to one architecture (arm64 or x86_64); "
                      "llvm-lipo joins the builds")
endif()

set(ORVANE_LLVM_SUFFIX "-14" CACHE STRING "Suffix of the LLVM tools' names (Debian: -14)")
find_program(ORVANE_CLANG NAMES "clang${ORVANE_LLVM_SUFFIX}" clang REQUIRED)
find_program(ORVANE_CLANGXX NAMES "clang++${ORVANE_LLVM_SUFFIX}" clang++ REQUIRED)
set(CMAKE_C_COMPILER "${ORVANE_CLANG}")
set(CMAKE_CXX_COMPILER "${ORVANE_CLANGXX}")
set(CMAKE_OBJCXX_COMPILER "${ORVANE_CLANGXX}")
# The Darwin driver of a Linux clang knows -arch only with an Apple target.
foreach(language C CXX OBJCXX)
  set(CMAKE_${language}_COMPILER_TARGET "${CMAKE_OSX_ARCHITECTURES}-apple-darwin")
endforeach()
find_program(ORVANE_LD64_LLD NAMES "ld64.lld${ORVANE_LLVM_SUFFIX}" ld64.lld REQUIRED)
set(CMAKE_AR "llvm-ar${ORVANE_LLVM_SUFFIX}" CACHE FILEPATH "")
set(CMAKE_RANLIB "llvm-ranlib${ORVANE_LLVM_SUFFIX}" CACHE FILEPATH "")
set(CMAKE_INSTALL_NAME_TOOL "llvm-install-name-tool${ORVANE_LLVM_SUFFIX}" CACHE FILEPATH "")
# Apple's C++ library, as on a Mac (a Linux clang would look for libstdc++). A call to anything
# newer than the deployment target must be guarded, or the build fails.
foreach(language CXX OBJCXX)
  set(CMAKE_${language}_FLAGS_INIT
      "-stdlib=libc++ -Werror=unguarded-availability -Werror=unguarded-availability-new")
endforeach()
# ld64.lld wants -platform_version, which clang gives only to a linker it knows to be new enough.
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-fuse-ld=${ORVANE_LD64_LLD} -mlinker-version=711")
endforeach()

set(CMAKE_FIND_ROOT_PATH "${ORVANE_MACOS_SDK}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
