#pragma once

#include "PlanTypes.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// What a plan says about itself rather than about its devices: the site,
// who it is for, where, who drew it, notes and a logo. The properties
// dialog edits them as one, and the plan file and the editor hold them to
// the same limits, so whatever the dialog takes, a file can hold and reopen.
struct PlanProperties
{
    Q_DECLARE_TR_FUNCTIONS(PlanProperties)

public:
    // A line of a report's first page, not a document: long enough for any
    // real name or address, short enough that one pasted by mistake cannot
    // make the file, the title or the report unusable.
    static constexpr int kMaxLineLength = 1000;
    static constexpr int kMaxNotesLength = 100000;
    // A logo is printed a few centimetres wide; 2 MiB holds any such picture
    // and keeps the plan file (which carries it as base64) small.
    static constexpr int kMaxLogoBytes = 2 * 1024 * 1024;

    QString siteName;
    QString customer;
    QString address;
    QString designer;
    QString notes;
    // The bytes of a PNG or JPEG file; empty for none.
    QByteArray logo;

    static PlanProperties of(const PlanData& plan);
    void applyTo(PlanData& plan) const;

    static int maxLength(bool notes) { return notes ? kMaxNotesLength : kMaxLineLength; }
    // Empty when the bytes are a PNG or JPEG within the size limit (or no
    // logo at all); otherwise what a logo has to be.
    static QString logoProblem(const QByteArray& bytes);
    // The kind of picture by its first bytes, as its file holds it.
    static bool isPng(const QByteArray& bytes);
    static bool isJpeg(const QByteArray& bytes);

    friend bool operator==(const PlanProperties& a, const PlanProperties& b)
    {
        return a.siteName == b.siteName && a.customer == b.customer && a.address == b.address
            && a.designer == b.designer && a.notes == b.notes && a.logo == b.logo;
    }
    friend bool operator!=(const PlanProperties& a, const PlanProperties& b) { return !(a == b); }
};
