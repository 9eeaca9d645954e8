#pragma once

#include <QCoreApplication>
#include <QLibrary>
#include <QString>

#include <xlsxwriter.h>

// The functions of libxlsxwriter the workbook uses.
#define VANTREL_XLSX_FUNCTIONS(X)                                                                            \
    X(workbook_new) X(workbook_add_format) X(workbook_add_worksheet) X(workbook_add_chart)                   \
    X(workbook_set_properties) X(workbook_close)                                                             \
    X(format_set_bold) X(format_set_bg_color) X(format_set_bottom) X(format_set_font_size)                   \
    X(format_set_num_format)                                                                                 \
    X(worksheet_write_string) X(worksheet_write_number) X(worksheet_freeze_panes) X(worksheet_set_column)    \
    X(worksheet_insert_image_buffer_opt) X(worksheet_insert_chart_opt)                                       \
    X(chart_add_series) X(chart_series_set_categories) X(chart_series_set_values) X(chart_series_set_name)   \
    X(chart_title_set_name) X(chart_legend_set_position) X(chart_axis_set_reverse)                           \
    X(chart_axis_set_num_format) X(lxw_strerror)

// libxlsxwriter, opened at the first workbook rather than linked: linked, it
// and the libraries it needs (libcrypto, minizip) were loaded at every start
// of the window, where most sessions never write a workbook.
class XlsxLibrary
{
    Q_DECLARE_TR_FUNCTIONS(XlsxLibrary)

public:
    // The library the build was made against, by its versioned name.
    static QString defaultFileName();
    // The process's one copy, loaded at the first call; null with the reason
    // when it cannot be (a later call tries again).
    static const XlsxLibrary* shared(QString* reason);

    explicit XlsxLibrary(const QString& fileName);
    // False with the reason when the file or one of its functions is missing.
    bool load(QString* reason);

#define VANTREL_XLSX_POINTER(name) decltype(&::name) name = nullptr;
    VANTREL_XLSX_FUNCTIONS(VANTREL_XLSX_POINTER)
#undef VANTREL_XLSX_POINTER

private:
    QLibrary m_library;
};
