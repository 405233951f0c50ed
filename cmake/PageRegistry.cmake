# Each form under layout/pages is one equation page. This generates the table that
# builds a page by its object name, so a new page needs nothing but its form.
function(velquora_add_page_registry target)
    set(includes "")
    set(entries "")
    foreach(form ${ARGN})
        get_filename_component(name ${form} NAME_WE)
        string(APPEND includes "#include \"ui_${name}.h\"\n")
        string(APPEND entries "        {u\"${name}\", [](QWidget* page) { Ui::${name} ui; ui.setupUi(page); }},\n")
    endforeach()
    set(out ${CMAKE_CURRENT_BINARY_DIR}/page_registry.cpp)
    file(CONFIGURE OUTPUT ${out} CONTENT [=[
// Generated from layout/pages/*.ui
#include "app/PageRegistry.h"
@includes@
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
