# Each form under layout/pages is one equation page. This generates the table that
# builds a page by its object name, so a new page needs nothing but its form. The forms'
# setupUi code is most of the app's compiling: it is spread over files of a dozen forms
# each, compiled apart from the unity batches, so that both cores share it.
function(velquora_add_page_registry target)
    set(per_part 12)
    set(declarations "")
    set(entries "")
    set(part 0)
    set(count 0)
    set(body "")
    list(LENGTH ARGN total)
    foreach(form ${ARGN})
        get_filename_component(name ${form} NAME_WE)
        string(APPEND body "#include \"ui_${name}.h\"\nvoid velquoraSetup_${name}(QWidget* page)\n{\n    Ui::${name} ui;\n    ui.setupUi(page);\n}\n")
        string(APPEND declarations "void velquoraSetup_${name}(QWidget* page);\n")
        string(APPEND entries "        {u\"${name}\", velquoraSetup_${name}},\n")
        math(EXPR count "${count} + 1")
        math(EXPR remainder "${count} % ${per_part}")
        if(remainder EQUAL 0 OR count EQUAL total)
            set(out ${CMAKE_CURRENT_BINARY_DIR}/page_forms_${part}.cpp)
            file(CONFIGURE OUTPUT ${out} CONTENT "// Generated from layout/pages/*.ui\n#include <QWidget>\n\n@body@" @ONLY)
            target_sources(${target} PRIVATE ${out})
            set_source_files_properties(${out} PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
            # Generated straight-line calls into Qt, with nothing of ours for the sanitizers to
            # check: instrumented, they took a fifth of the sanitizer build.
            if(VELQUORA_SANITIZE)
                set_source_files_properties(${out} PROPERTIES COMPILE_OPTIONS "-fno-sanitize=all;-O0")
            endif()
            set(body "")
            math(EXPR part "${part} + 1")
        endif()
    endforeach()
    set(out ${CMAKE_CURRENT_BINARY_DIR}/page_registry.cpp)
    file(CONFIGURE OUTPUT ${out} CONTENT [=[
// Generated from layout/pages/*.ui
#include "app/PageRegistry.h"

@declarations@
const std::vector<PageRegistry::Entry>& PageRegistry::entries()
{
    static const std::vector<Entry> table = {
@entries@    };
    return table;
}
]=] @ONLY)
    target_sources(${target} PRIVATE ${out})
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
