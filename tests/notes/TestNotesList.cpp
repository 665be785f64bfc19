#include "DataRow.h"
#include "NotesFixture.h"
#include "notes/NoteWindows.h"
#include "notes/NotesListRows.h"
#include "notes/frmPenseBete.h"
#include "notes/frmPenseBete_List.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

namespace {

// The notes list opened over the notes on the desktop.
struct ListOnDesktop : NotesOnDesktop {
    frmPenseBete_List* list = nullptr;

    explicit ListOnDesktop(
        const QList<QByteArray>& lines = {}, const QHash<QString, QByteArray>& texts = {})
        : NotesOnDesktop(lines, texts)
    {
        windows.ShowNotesList();
        list = windows.notesList();
    }
    using NotesOnDesktop::control;
    template <typename T> T* control(const char* name)
    {
        return list->findChild<T*>(QLatin1String(name));
    }
    QStringList row(int row)
    {
        QTreeWidgetItem* item = control<QTreeWidget>("lvPB")->topLevelItem(row);
        QStringList texts;
        for (int column = 0; column < 5; ++column)
            texts.append(item->text(column));
        return texts;
    }
    void select(int row)
    {
        auto* lv = control<QTreeWidget>("lvPB");
        lv->clearSelection();
        lv->topLevelItem(row)->setSelected(true);
    }
};

} // namespace

class TestNotesList : public QObject {
    Q_OBJECT
private slots:
    void columns_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("row");
        const QString due = QStringLiteral("07-03-2005 \u00e0 09:05");
        dataRow("first_line_of_15_cut_at_12", QByteArray("1;0;20050307;0905;a.fic;0;0"),
            QByteArray("acheter du pain\r\nlait\r\n"),
            QStringList { "1", "Oui", "acheter du p ...", due, "Pas d'\u00e9ch\u00e9ance" });
        dataRow("first_line_of_12_whole", QByteArray("0;2;20050307;0905;a.fic;0;0"),
            QByteArray("acheter pain\r\n"),
            QStringList {
                "1", "Non", "acheter pain", due, "Rappeler tous les jours \u00e0 Heure fixe" });
        dataRow("first_line_of_13_cut", QByteArray("2;4;20050307;0905;a.fic;0;0"),
            QByteArray("acheter pains\r\n"),
            QStringList { "1", "Oui", "acheter pain ...", due,
                "Rappeler tous les ans \u00e0 Date et Heure fixes" });
        dataRow("missing_text_file_unknown_kind", QByteArray("1;7;20050307;0905;zz.fic;0;0"),
            QByteArray(), QStringList { "1", "Oui", "", due, "" });
        dataRow("greek_text", QByteArray("1;1;20050307;0905;a.fic;0;0"),
            QByteArray("\xce\xb3\xce\xac\xce\xbb\xce\xb1\r\n"),
            QStringList { "1", "Oui", "\u03b3\u03ac\u03bb\u03b1", due,
                "Rappeler une fois \u00e0 Date et Heure fixes" });
    }
    void columns()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, text);
        QFETCH(QStringList, row);
        QHash<QString, QByteArray> texts;
        if (!text.isEmpty())
            texts.insert(QStringLiteral("a.fic"), text);
        ListOnDesktop desk({ line }, texts);
        QCOMPARE(desk.row(0), row);
    }

    void rows_skip_deleted_notes_and_show_the_first()
    {
        ListOnDesktop desk({ "1;0;20050307;0905;a.fic;0;0", "1;3;20050308;1000;b.fic;0;0",
                               "0;0;20050309;1100;c.fic;0;0" },
            { { QStringLiteral("a.fic"), "premier\r\n" },
                { QStringLiteral("c.fic"), "troisi\xe8me\r\n" } });
        desk.list->close();
        desk.store.DeleteNote(2);
        desk.windows.ShowNotesList();
        desk.list = desk.windows.notesList();
        auto* lv = desk.control<QTreeWidget>("lvPB");
        QCOMPARE(lv->topLevelItemCount(), 2);
        QCOMPARE(desk.row(1)[0], QStringLiteral("3"));
        QVERIFY(lv->isEnabled());
        QCOMPARE(desk.control<QTextEdit>("txtPenseBete")->toPlainText(), QStringLiteral("premier"));
        desk.select(1);
        QCOMPARE(desk.control<QTextEdit>("txtPenseBete")->toPlainText(),
            QStringLiteral("troisi\u00e8me"));
        QVERIFY(!desk.control<QCheckBox>("chkShow")->isChecked());
        QCOMPARE(desk.control<QComboBox>("cmbType")->currentIndex(), 0);
    }

    void empty_list_is_disabled()
    {
        ListOnDesktop desk;
        for (const char* name : { "lvPB", "txtPenseBete", "cmbType", "chkShow", "cmdDel" })
            QVERIFY2(!desk.control<QWidget>(name)->isEnabled(), name);
        desk.control<QPushButton>("cmdDel")->click();
        QVERIFY(desk.app.fakes.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestNotesList)
#include "TestNotesList.moc"
