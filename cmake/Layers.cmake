# The libraries and what each may see. A library's headers are found through a folder of
# the build tree that links to its own source folder alone, so a target sees the headers of
# the libraries it links and no others: a plot file that includes "engine/Number.h" does
# not compile, as a call into a library it does not link would not link. tests/tst_layering
# reads the includes themselves, relative paths too.

# A folder under build/include/<name> holding links to the given source folders or files.
function(velquora_include_root name)
    set(root ${PROJECT_BINARY_DIR}/include/${name})
    foreach(path ${ARGN})
        get_filename_component(parent ${root}/${path} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${root}/${path} SYMBOLIC)
    endforeach()
endfunction()

# velquora_library(<target> <folder> [UNITY <files per batch>] [PCH <headers>... | PCH_FROM <target>])
# A static library of the folder's sources. Unity builds compile a batch of its files as one,
# so the headers they share are read once per batch; the precompiled header (Qt's headers,
# chiefly) is read once for the library, or taken from another library built with the same
# Qt modules.
function(velquora_library target folder)
    cmake_parse_arguments(arg "" "UNITY;PCH_FROM" "PCH" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
    add_library(${target} STATIC ${sources})
    velquora_include_root(${folder} ${folder})
    target_include_directories(${target} PUBLIC ${PROJECT_BINARY_DIR}/include/${folder})
    velquora_sanitized_speed(${target})
    if(arg_UNITY)
        set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${arg_UNITY})
    endif()
    if(arg_PCH)
        target_precompile_headers(${target} PRIVATE ${arg_PCH})
    elseif(arg_PCH_FROM)
        target_precompile_headers(${target} REUSE_FROM ${arg_PCH_FROM})
    endif()
endfunction()

# Under the sanitizers the libraries are compiled with -O1: at -O0 the tests that compute
# much (drawing exercises, the monkey's walk) ran five to twenty times slower. The tests'
# own code stays at -O0.
function(velquora_sanitized_speed target)
    if(VELQUORA_SANITIZE)
        target_compile_options(${target} PRIVATE -O1)
    endif()
endfunction()
