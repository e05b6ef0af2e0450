#pragma once

#include <QString>

#include <cstdint>

namespace trelfin {

// The kind of span a dated balance or forecast was asked for.
enum class SpanKind : std::uint8_t { none = 0, year, month, span };

// A span of days, both bounds "dd-mm-yyyy" and inclusive, with the kind it was chosen as.
struct ReportSpan
{
    QString from;
    QString to;
    SpanKind kind = SpanKind::none;
    bool operator==(const ReportSpan &) const = default;
};

// What the balance or the forecast page shows: the whole period, or the entries of a span.
struct ReportMode
{
    bool dated = false;
    ReportSpan span;
};

} // namespace trelfin
