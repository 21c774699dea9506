#pragma once
// The booking tab of the room window: every booking of the room.
#include "core/data/Query.h"

#include <QWidget>

namespace velbrisk {

struct AppContext;
class DataGrid;
class ListPanel;
class TFormBook;

class BookTab : public QWidget {
    Q_OBJECT
public:
    explicit BookTab(AppContext& ctx, QWidget* parent = nullptr);
    void setBookForm(TFormBook* form);

    void load(const QString& roomName, int roomIndex);
    void NewRecord();
    void EditRecord();
    void DeleteRecord();
    // Whether the list is open and holds a booking.
    bool hasBookings();

    DataGrid* grid() const;
    Query& query() { return m_query; }

signals:
    void bookingsChanged();

protected:
    AppContext& m_ctx;
    Query m_query;
    ListPanel* m_panel;
    QString m_room;
    int m_roomIndex = 0;
    TFormBook* m_bookForm = nullptr;
};

}  // namespace velbrisk
