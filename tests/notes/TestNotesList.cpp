#include "Controls.h"
#include "DataRow.h"
#include "NotesFixture.h"
#include "notes/NotesListRows.h"
#include "notes/frmPenseBete_List.h"

#include <QPushButton>
#include <QTest>

class TestNotesList : public QObject {
    Q_OBJECT
private slots:
    void row_of_a_note_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("row"); // shown, first line, due, reminder kind
        const QString due = QStringLiteral("07-03-2005 \u00e0 09:05");
        dataRow("first_line_of_12_whole", QByteArray("0;2;20050307;0905;a.fic;0;0"),
            QByteArray("acheter pain\r\nlait\r\n"),
            QStringList {
                "Non", "acheter pain", due, "Rappeler tous les jours \u00e0 Heure fixe" });
        dataRow("first_line_of_13_cut", QByteArray("2;4;20050307;0905;a.fic;0;0"),
            QByteArray("acheter pains\r\n"),
            QStringList { "Oui", "acheter pain ...", due,
                "Rappeler tous les ans \u00e0 Date et Heure fixes" });
        dataRow("missing_text_file_unknown_kind", QByteArray("1;7;20050307;0905;zz.fic;0;0"),
            QByteArray(), QStringList { "Oui", "", due, "" });
    }
    void row_of_a_note()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, text);
        NotesOnDesktop desk({ line }, { { QStringLiteral("a.fic"), text } });
        const NotesListRows::Row row = NotesListRows::RowOf(desk.store, 1);
        QTEST((QStringList { row.shown, row.text, row.due, row.type }), "row");
    }

    void rows_skip_deleted_notes()
    {
        NotesOnDesktop desk({ "1;0;20050307;0905;a.fic;0;0", "1;3;20050308;1000;b.fic;0;0",
            "0;0;20050309;1100;c.fic;0;0" });
        desk.store.DeleteNote(2);
        const QList<NotesListRows::Row> rows = NotesListRows::Rows(desk.store);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].index, 3);
    }

    void empty_list_is_disabled()
    {
        NotesOnDesktop desk;
        desk.windows.ShowNotesList();
        const frmPenseBete_List* list = desk.windows.notesList();
        for (const char* name : { "lvPB", "txtPenseBete", "cmbType", "chkShow", "cmdDel" })
            QVERIFY2(!control(list, name)->isEnabled(), name);
        control<QPushButton>(list, "cmdDel")->click();
        QVERIFY(desk.app.fakes.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestNotesList)
#include "TestNotesList.moc"
