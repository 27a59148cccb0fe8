# One interface target carries the compile settings of every target of the project.
add_library(korvane_compile_settings INTERFACE)
target_compile_features(korvane_compile_settings INTERFACE cxx_std_20)
target_compile_options(korvane_compile_settings INTERFACE
    -Wall -Wextra -Werror -Wnon-virtual-dtor -Woverloaded-virtual)
target_compile_definitions(korvane_compile_settings INTERFACE
    QT_DISABLE_DEPRECATED_BEFORE=0x060400)
if(KORVANE_SANITIZE)
    target_compile_options(korvane_compile_settings INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(korvane_compile_settings INTERFACE -fsanitize=address,undefined)
endif()
