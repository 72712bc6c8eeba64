#pragma once
// "Where": the observer's place. The sorted city list (each item carries its
// city's index in m_cities), the name, "Lat" and "Lon" fields in degrees,
// "New" and "Del" for the city list and "&Go" for the typed place. It opens
// with the current place in the fields and its city, if any, selected.
// Selecting a city moves the observer at once, even if the dialog is then
// cancelled. Messages go through the message sink with the program's title.

#include <QDialog>

#include "catalogue/city_list.h"

class CLumoDoc;
class CLumoWnd;
class QLineEdit;
class QListWidget;

class CWhereDialog : public QDialog {
public:
    // Control ids ("&Go" is the dialog's OK button).
    static constexpr int kCityList = 1012, kName = 1026, kLatitude = 1027, kLongitude = 1028;
    static constexpr int kNew = 1029, kDel = 1030, kGo = 1;

    // sky: the sky window repainted by "&Go" (may be null).
    CWhereDialog(CLumoDoc& doc, CLumoWnd* sky, QWidget* parent);

    // "&Go": reads and checks the fields, moves the observer, repaints and
    // closes; the dialog stays open when a field is wrong.
    void accept() override;
    // "New": adds the typed city to the list (the place does not change).
    void OnNew();
    // "Del": after a yes to the question, removes the selected city.
    void OnDel();

private:
    void FillList();
    // The fields show the document's place, and the list its city if any.
    void ShowCurrentPlace();
    void OnSelectionChanged();
    // The fields read and checked; on failure the message is shown and the
    // field in error gets the focus.
    bool ReadFields(TypedPlace& place);
    QLineEdit* Field(PlaceField field) const;

    CLumoDoc& m_doc;
    CLumoWnd* m_sky;
    QListWidget* m_list;
    QLineEdit* m_name;
    QLineEdit* m_latitude;
    QLineEdit* m_longitude;
    bool m_filling = false;
};
