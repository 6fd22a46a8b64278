# Precompiled headers: the standard library and Qt are parsed once per build
# instead of once per source file.
#
# GCC takes a precompiled header only when every macro it was made with is
# defined the same way and -fPIC/-fPIE agree, so one donor target is made per
# set of Qt modules and every target with that set reuses the donor's header.
# A mismatch would be a build error (-Winvalid-pch with -Werror), not a silent
# slowdown.
#
# Program code gets only what its sources may include themselves (the
# standard library and QString), so a Qt type used outside the platform layer
# still fails to compile.

set(trelvador_std_headers
  <algorithm> <array> <cstdint> <cstdlib> <functional> <map> <memory> <optional>
  <set> <span> <string> <string_view> <utility> <vector> <QString>)

function(trelvador_pch_donor name)
  cmake_parse_arguments(PARSE_ARGV 1 donor "" "" "HEADERS;LINK")
  set(source "${PROJECT_BINARY_DIR}/pch/${name}.cpp")
  file(CONFIGURE OUTPUT "${source}" CONTENT "// Compiles the precompiled header that other targets reuse.\n")
  add_library(${name} STATIC "${source}")
  target_link_libraries(${name} PUBLIC ${donor_LINK})
  target_precompile_headers(${name} PRIVATE ${donor_HEADERS})
endfunction()

trelvador_pch_donor(pch_core
  HEADERS ${trelvador_std_headers} <QByteArray> <QDir> <QFile> <QFileInfo> <QStringList>
  LINK Qt6::Core)
trelvador_pch_donor(pch_gui
  HEADERS ${trelvador_std_headers} <QColor> <QFont> <QFontMetrics> <QImage> <QPainter>
  LINK Qt6::Gui)
trelvador_pch_donor(pch_widgets
  HEADERS ${trelvador_std_headers} <QApplication> <QFontMetrics> <QImage> <QKeyEvent> <QMouseEvent>
    <QPainter> <QWidget>
  LINK Qt6::Widgets Qt6::PrintSupport)
trelvador_pch_donor(pch_program
  HEADERS ${trelvador_std_headers}
  LINK Qt6::Widgets Qt6::PrintSupport)

# Reuses the donor whose Qt modules match what the target links.
function(trelvador_use_pch target donor)
  target_precompile_headers(${target} REUSE_FROM ${donor})
endfunction()
