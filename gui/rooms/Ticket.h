#pragma once
// The venue ticket of a stored bill: "Frf/Ticket.frf" over the bill's
// consumption entries.
#include <QString>

namespace velbrisk {

class Connection;
class Reporter;
class ReportPresenter;
struct PreparedReport;

// Prepares the ticket of bill `billIndex` from what the data file holds.
// False with `error` set when the bill or the template cannot be read.
bool prepareTicket(Connection& c, int billIndex, const QString& templatePath, PreparedReport* out, QString* error);

// Prepares and shows the ticket; a missing template shows nothing.
void showTicket(Connection& c, int billIndex, const QString& templatePath, ReportPresenter& presenter);

}  // namespace velbrisk
