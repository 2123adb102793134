# SPDX-License-Identifier: GPL-3.0-or-later
# Compiler settings shared by every target of the project, through the interface
# library zintra_options: warnings (errors when ZINTRA_WERROR is on) and sanitizers.

add_library(zintra_options INTERFACE)
target_compile_features(zintra_options INTERFACE cxx_std_20)
# Headers are included by their path from the project root ("game/Zintra_winDoc.h").
target_include_directories(zintra_options INTERFACE ${PROJECT_SOURCE_DIR})

target_compile_options(zintra_options INTERFACE
    -Wall -Wextra -Wpedantic
    -Wconversion -Wsign-conversion -Wshadow -Wold-style-cast -Wcast-qual
    -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference
    -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough -Wundef)

if(ZINTRA_WERROR)
    target_compile_options(zintra_options INTERFACE -Werror)
endif()

if(ZINTRA_SANITIZE)
    set(_sanitize -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(zintra_options INTERFACE ${_sanitize})
    target_link_options(zintra_options INTERFACE ${_sanitize})
endif()
