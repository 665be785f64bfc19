#include "vault/VaultEditor.h"

#include <QTest>

static VaultRow row(const QString& description, const QString& first = {})
{
    return { { description, first, {}, {}, {} } };
}

static QStringList descriptions(const VaultEditor& editor)
{
    QStringList list;
    for (const VaultRow& r : editor.rows())
        list.append(r.fields[0]);
    return list;
}

class TestVaultEditor : public QObject {
    Q_OBJECT
private slots:
    void moves_swap_with_the_neighbour_and_stop_at_both_ends_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<int>("selectedAfter");
        QTest::newRow("middle up") << 1 << true << QStringList { "B", "A", "C" } << 0;
        QTest::newRow("middle down") << 1 << false << QStringList { "A", "C", "B" } << 2;
        QTest::newRow("first up") << 0 << true << QStringList { "A", "B", "C" } << 0;
        QTest::newRow("last down") << 2 << false << QStringList { "A", "B", "C" } << 2;
        QTest::newRow("nothing selected") << -1 << true << QStringList { "A", "B", "C" } << -1;
    }
    void moves_swap_with_the_neighbour_and_stop_at_both_ends()
    {
        QFETCH(int, selected);
        QFETCH(bool, up);
        VaultEditor editor;
        editor.setRows({ row("A", "1"), row("B", "2"), row("C", "3") });
        editor.select(selected);
        up ? editor.moveUp() : editor.moveDown();
        QTEST(descriptions(editor), "order");
        QTEST(editor.selected(), "selectedAfter");
        for (const VaultRow& r : editor.rows()) // the data fields move with their row
            QCOMPARE(r.fields[1], QString(QChar(u'1' + (r.fields[0][0].unicode() - u'A'))));
    }

    void separator_in_any_field_is_refused_naming_it_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("what");
        const QString semicolon = QStringLiteral("le caract\u00E8re \u00AB ; \u00BB");
        const QString lineBreak = QStringLiteral("de retour \u00E0 la ligne");
        QTest::newRow("description") << 0 << "a;b"
                                     << "Description" << semicolon;
        QTest::newRow("first data") << 1 << "a;b"
                                    << "Donn\u00E9e personnelle #1" << semicolon;
        QTest::newRow("last data") << 4 << "a;b"
                                   << "Donn\u00E9e personnelle #4" << semicolon;
        QTest::newRow("line feed") << 2 << "a\nb"
                                   << "Donn\u00E9e personnelle #2" << lineBreak;
        QTest::newRow("carriage return") << 0 << "a\rb"
                                         << "Description" << lineBreak;
    }
    void separator_in_any_field_is_refused_naming_it()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, label);
        QFETCH(QString, what);
        VaultEditor editor;
        editor.setRows({ row("A") });
        editor.select(0);
        editor.beginModify(nullptr);
        VaultRow edited = row("B");
        edited.fields[field] = typed;
        QString problem;
        QVERIFY(!editor.confirm(edited, &problem));
        QCOMPARE(problem,
            QStringLiteral("Le champ \u00AB %1 \u00BB ne peut pas contenir %2.").arg(label, what));
        QCOMPARE(editor.editMode(), VaultEditor::Modifying); // the panel stays open
        QCOMPARE(editor.rows(), VaultRows({ row("A") }));
    }
};

QTEST_GUILESS_MAIN(TestVaultEditor)
#include "TestVaultEditor.moc"
