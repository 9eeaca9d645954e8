#pragma once

#include <QCoreApplication>
#include <QLibrary>
#include <QString>

#include <zip.h>

// The functions of libzip a workbook is read with.
#define VANTREL_ZIP_FUNCTIONS(X)                                                                             \
    X(zip_error_init) X(zip_error_fini) X(zip_source_buffer_create) X(zip_source_free)                      \
    X(zip_open_from_source) X(zip_discard) X(zip_name_locate) X(zip_fopen_index) X(zip_fread) X(zip_fclose) \
    X(zip_stat_init) X(zip_stat_index)

// libzip, opened at the first workbook imported rather than linked: linked,
// it and libcrypto were loaded at every start of the window, where most
// sessions never import one.
class ZipLibrary
{
    Q_DECLARE_TR_FUNCTIONS(ZipLibrary)

public:
    // The library the build was made against, by its versioned name.
    static QString defaultFileName();
    // The process's one copy, loaded at the first call; null with the reason
    // when it cannot be (a later call tries again).
    static const ZipLibrary* shared(QString* reason);

    explicit ZipLibrary(const QString& fileName);
    // False with the reason when the file or one of its functions is missing.
    bool load(QString* reason);

#define VANTREL_ZIP_POINTER(name) decltype(&::name) name = nullptr;
    VANTREL_ZIP_FUNCTIONS(VANTREL_ZIP_POINTER)
#undef VANTREL_ZIP_POINTER

private:
    QLibrary m_library;
};
