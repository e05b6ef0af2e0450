#pragma once

#include "reports/groupsummary.h"

#include <QDialog>

class QLineEdit;

namespace trelfin {

// A small date dialog of the balance or forecast page: a year, a month, or two days. The texts
// typed stay between uses; closing it in any way hands them on.
class SpanDialog : public QDialog
{
    Q_OBJECT
public:
    // The span made from what is typed now.
    ReportSpan span(const QDate &today) const;

protected:
    SpanDialog(SpanKind kind, const QString &name, const QString &title, QWidget *parent);

private:
    SpanKind m_kind;
    QLineEdit *m_od = nullptr;
    QLineEdit *m_dod = nullptr;
};

class Tbrokd : public SpanDialog
{
    Q_OBJECT
public:
    explicit Tbrokd(QWidget *parent = nullptr);
};

class Tbmiesiacd : public SpanDialog
{
    Q_OBJECT
public:
    explicit Tbmiesiacd(QWidget *parent = nullptr);
};

class Tbokresd : public SpanDialog
{
    Q_OBJECT
public:
    explicit Tbokresd(QWidget *parent = nullptr);
};

class Tprokd : public SpanDialog
{
    Q_OBJECT
public:
    explicit Tprokd(QWidget *parent = nullptr);
};

class Tpmiesiacd : public SpanDialog
{
    Q_OBJECT
public:
    explicit Tpmiesiacd(QWidget *parent = nullptr);
};

class Tpokresd : public SpanDialog
{
    Q_OBJECT
public:
    explicit Tpokresd(QWidget *parent = nullptr);
};

} // namespace trelfin
