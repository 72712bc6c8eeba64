#include "app/qt/where_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt/commands.h"
#include "app/qt/control_names.h"
#include "catalogue/lumo_doc.h"
#include "framework/message_sink.h"
#include "sky/lumo_wnd.h"

CWhereDialog::CWhereDialog(CLumoDoc& doc, CLumoWnd* sky, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_sky(sky) {
    setWindowTitle("Where");
    setObjectName("WhereDialog");

    m_list = NamedControl(new QListWidget(this), kCityList);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CWhereDialog::OnSelectionChanged);

    m_name = NamedControl(new QLineEdit(this), kName);
    m_latitude = NamedControl(new QLineEdit(this), kLatitude);
    m_longitude = NamedControl(new QLineEdit(this), kLongitude);
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel("City", this), 0, 0);
    fields->addWidget(m_name, 0, 1, 1, 3);
    fields->addWidget(new QLabel("Lat", this), 1, 0);
    fields->addWidget(m_latitude, 1, 1);
    fields->addWidget(new QLabel("Lon", this), 1, 2);
    fields->addWidget(m_longitude, 1, 3);

    auto* add = NamedControl(new QPushButton("New", this), kNew);
    auto* del = NamedControl(new QPushButton("Del", this), kDel);
    auto* go = NamedControl(new QPushButton("&Go", this), kGo);
    auto* cancel = new QPushButton("Cancel", this);
    for (QPushButton* b : {add, del, cancel}) b->setAutoDefault(false);
    go->setDefault(true);
    connect(add, &QPushButton::clicked, this, &CWhereDialog::OnNew);
    connect(del, &QPushButton::clicked, this, &CWhereDialog::OnDel);
    connect(go, &QPushButton::clicked, this, &CWhereDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {add, del, go, cancel}) buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    resize(300, 360);

    FillList();
    ShowCurrentPlace();
}

void CWhereDialog::ShowCurrentPlace() {
    PlaceTexts shown;
    const int32_t city = CurrentPlace(m_doc, shown);
    m_name->setText(QString::fromStdString(shown.name));
    m_latitude->setText(QString::fromStdString(shown.latitude));
    m_longitude->setText(QString::fromStdString(shown.longitude));
    for (int row = 0; row < m_list->count() && city >= 0; ++row) {
        QListWidgetItem* item = m_list->item(row);
        if (item->data(Qt::UserRole).toInt() != city) continue;
        m_filling = true;  // the place is the city's already
        m_list->setCurrentItem(item);
        m_filling = false;
        m_list->scrollToItem(item);
    }
}

void CWhereDialog::FillList() {
    m_filling = true;
    m_list->clear();
    for (const CityEntry& e : SortedCityList(m_doc)) {
        auto* item = new QListWidgetItem(QString::fromStdString(e.name), m_list);
        item->setData(Qt::UserRole, e.index);
    }
    m_filling = false;
}

void CWhereDialog::OnSelectionChanged() {
    if (m_filling) return;
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) return;
    PlaceTexts shown;
    if (!TakeCityPlace(m_doc, selected.front()->data(Qt::UserRole).toInt(), shown)) return;
    m_name->setText(QString::fromStdString(shown.name));
    m_latitude->setText(QString::fromStdString(shown.latitude));
    m_longitude->setText(QString::fromStdString(shown.longitude));
}

QLineEdit* CWhereDialog::Field(PlaceField field) const {
    switch (field) {
        case PlaceField::Latitude: return m_latitude;
        case PlaceField::Longitude: return m_longitude;
        default: return m_name;
    }
}

bool CWhereDialog::ReadFields(TypedPlace& place) {
    PlaceTexts texts{m_name->text().toStdString(), m_latitude->text().toStdString(),
                     m_longitude->text().toStdString()};
    PlaceField bad = PlaceField::Name;
    std::string message;
    if (ReadPlaceTexts(texts, place, bad, message)) return true;
    ShowMessage(message, kAppTitle);
    QLineEdit* field = Field(bad);
    field->setFocus();
    field->selectAll();
    return false;
}

void CWhereDialog::OnNew() {
    TypedPlace place;
    if (!ReadFields(place)) return;
    switch (AddNewCity(m_doc, place)) {
        case AddCityResult::EmptyName: ShowMessage(kFillDataMessage, kAppTitle); return;
        case AddCityResult::Duplicate: ShowMessage(kDuplicateCityMessage, kAppTitle); return;
        case AddCityResult::Added: break;
    }
    FillList();
}

void CWhereDialog::OnDel() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) return;
    const QListWidgetItem* item = selected.front();
    if (!AskYesNo("Delete the city " + item->text().toStdString() + "?", kAppTitle)) return;
    if (DeleteCity(m_doc, item->data(Qt::UserRole).toInt())) FillList();
}

void CWhereDialog::accept() {
    TypedPlace place;
    if (!ReadFields(place)) return;
    MoveToPlace(m_doc, place);
    if (m_sky) m_sky->Redraw();
    QDialog::accept();
}
