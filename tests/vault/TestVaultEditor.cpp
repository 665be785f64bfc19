#include "vault/VaultEditor.h"

#include <QTest>

static VaultRow row(const QString& description)
{
    return { { description, {}, {}, {}, {} } };
}

// The row separators of the vault's text would cut a row in two: no field may hold one.
class TestVaultEditor : public QObject {
    Q_OBJECT
private slots:
    void separator_in_any_field_is_refused_naming_it_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("what");
        const QString lineBreak = QStringLiteral("de retour \u00E0 la ligne");
        QTest::newRow("last data")
            << 4 << "a;b"
            << "Donn\u00E9e personnelle #4" << QStringLiteral("le caract\u00E8re \u00AB ; \u00BB");
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
