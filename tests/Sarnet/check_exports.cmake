# Fails unless the shared library exports exactly the members of
# apt::ToolApplicationHull, its type information and its virtual table:
# nothing more (not the nested application object), nothing less.
# Usage: cmake -DLIBRARY=<libSarnet.so> -DNM=<nm> -P check_exports.cmake
if(NOT NM)
    set(NM nm)
endif()
set(_expected
    "apt::ToolApplicationHull::instance()"
    "apt::ToolApplicationHull::addTranslationCatalogue(QString const&)"
    "apt::ToolApplicationHull::initialize(int&, char**, QString const&, QString const&)"
    "apt::ToolApplicationHull::setAppName(QString const&)"
    "apt::ToolApplicationHull::appName() const"
    "apt::ToolApplicationHull::configFileName() const"
    "apt::ToolApplicationHull::application() const"
    "apt::ToolApplicationHull::startApp(QList<QString> const&)"
    "apt::ToolApplicationHull::setDocumentReceiver(std::function<void (QList<QString> const&)>)"
    "apt::ToolApplicationHull::preload(std::function<void ()>)"
    "apt::ToolApplicationHull::language() const"
    "apt::ToolApplicationHull::versionType() const"
    "apt::ToolApplicationHull::notify(QObject*, QEvent*)"
    "apt::ToolApplicationHull::release()"
    "apt::ToolApplicationHull::distory()"
    "apt::ToolApplicationHull::ToolApplicationHull()"
    "apt::ToolApplicationHull::ToolApplicationHull(apt::ToolApplicationHull const&)"
    "apt::ToolApplicationHull::operator=(apt::ToolApplicationHull const&)"
    "apt::ToolApplicationHull::~ToolApplicationHull()"
    "typeinfo for apt::ToolApplicationHull"
    "typeinfo name for apt::ToolApplicationHull"
    "vtable for apt::ToolApplicationHull")
execute_process(COMMAND "${NM}" -D -C --defined-only "${LIBRARY}"
    OUTPUT_VARIABLE _symbols RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
    message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REPLACE "\n" ";" _lines "${_symbols}")
set(_exported "")
foreach(_line IN LISTS _lines)
    # "<address> <type> <name>"; the name may hold blanks.
    if(NOT _line MATCHES "^[0-9a-fA-F]+ [A-Za-z] (.+)$")
        continue()
    endif()
    set(_name "${CMAKE_MATCH_1}")
    # The linker's own markers of the data segments.
    if(_name MATCHES "^(__bss_start|_edata|_end|_init|_fini)$")
        continue()
    endif()
    list(APPEND _exported "${_name}")
endforeach()
# Constructors and destructors come in several variants of one name.
list(REMOVE_DUPLICATES _exported)
set(_extra ${_exported})
list(REMOVE_ITEM _extra ${_expected})
set(_missing ${_expected})
list(REMOVE_ITEM _missing ${_exported})
if(_extra OR _missing)
    list(JOIN _extra "\n  " _extra_text)
    list(JOIN _missing "\n  " _missing_text)
    message(FATAL_ERROR "exports differ from the hull's members\nextra:\n  ${_extra_text}\nmissing:\n  ${_missing_text}")
endif()
list(LENGTH _exported _count)
message(STATUS "${_count} symbols, exactly those of apt::ToolApplicationHull")
