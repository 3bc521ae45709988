#include "options/dashwarning.h"
#include "options/fieldlists.h"
#include "options/filterpresets.h"
#include "options/firstrun.h"
#include "options/optionsvalues.h"
#include "options/replaceeditor.h"

#include "base/replacelist.h"
#include "base/settings.h"
#include "base/settingskeys.h"
#include "base/settingsstore.h"
#include "support/scripteddialogs.h"
#include "support/testenv.h"

#include <QRegularExpression>
#include <QTest>

namespace {
QStringList OldTexts() {
    QStringList olds;
    for (const ReplaceRow &r : ReplaceEditor::Rows())
        olds << r.replaceThis + QLatin1Char('>') + r.withThis + QLatin1Char('>') + r.caseSensitive;
    return olds;
}
} // namespace

class tst_Options : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { TestEnv::IsolateSettings(); }
    void init() {
        TestEnv::ClearStore();
        LoadSettings();
        UserReplaceList.Clear();
        UserReplaceList.Add(QStringLiteral("feat"), QStringLiteral("ft"), 0);
        UserReplaceList.Add(QStringLiteral("Jay Z Live"), QStringLiteral("Jay Z"), 3);
    }

    void fillFieldLists() {
        const QStringList all = Id3FieldNames();
        for (const auto &[stored, available, chosen] : {
                 std::tuple{"", all, QStringList()}, // empty stored list changes nothing
                 {"Track,Song,Artist", {"Album", "Genre", "Year"}, {"Track", "Song", "Artist"}},
                 {"album", all, {"album"}}, // names compared with case
             }) {
            QStringList avail = all;
            QStringList picked;
            FillFieldLists(avail, picked, QLatin1String(stored));
            QCOMPARE(avail, available);
            QCOMPARE(picked, chosen);
            QCOMPARE(JoinListItems(picked, QStringLiteral(",")), QLatin1String(stored));
        }
    }

    // The field lists hold "A", "B", "C" and "Y"; 'm' moves the selected entry across. The
    // options window test walks the ordinary moves; these are the edges it does not reach.
    void moveFields() {
        for (const auto &[op, selected, after, other, next] : {
                 std::tuple{'m', 2, "AB", "YC", 1}, // the new last entry selected
                 {'m', 3, "ABC", "Y", 3},           // past the end moves nothing
                 {'u', 2, "ACB", "Y", 1},
                 {'d', -1, "ABC", "Y", -1},
             }) {
            QStringList list{"A", "B", "C"};
            QStringList to{"Y"};
            QCOMPARE(op == 'm'   ? MoveListItem(list, selected, to)
                     : op == 'u' ? MoveListItemUp(list, selected)
                                 : MoveListItemDown(list, selected),
                     next);
            QCOMPARE(list.join(QString()), QLatin1String(after));
            QCOMPARE(to.join(QString()), QLatin1String(other));
        }
        QStringList one{"A"};
        QStringList to;
        QCOMPARE(MoveListItem(one, 0, to), -1); // the only entry: nothing left to select
    }

    void filterPresetChooser() {
        QCOMPARE(QString(FilterPresets()[DefaultPresetIndex].filter),
                 QString(Defaults::filterExtensions));
        for (const auto &preset : FilterPresets()) // bare extensions, comma-separated
            QVERIFY2(QString(preset.filter).contains(QRegularExpression("^(\\*|\\w+(,\\w+)*)$")),
                     preset.name.data());
        FilterPresetChooser chooser;
        QString text = QStringLiteral("mp3");
        // The export window test holds a pick, the same pick again and one past the end.
        QVERIFY(!chooser.Choose(-1, text)); // before the list: ignored
        QCOMPARE(text, QStringLiteral("mp3"));
        QVERIFY(chooser.Choose(3, text));
        QVERIFY(chooser.Choose(0, text));
        QVERIFY(chooser.Choose(3, text)); // another one in between applies it again
        chooser.Reset();
        QVERIFY(chooser.Choose(3, text)); // after a reset the same one applies again
    }

    void dashSection() {
        QCOMPARE(DashSection(DashSampleFileName, 3),
                 QStringLiteral("Orlan SoundTrack"));                             // no extension
        QCOMPARE(DashSection(QStringLiteral("Artist - Song.mp3"), 2), QString()); // past the end
        QCOMPARE(DashSection(QStringLiteral("Artist - Song"), 1), QStringLiteral("Song"));
        QCOMPARE(DashSection(QStringLiteral("A.B - C.D.mp3"), 1), QStringLiteral("C.D"));
        QCOMPARE(DashSection(QStringLiteral("Artist  -  Song .mp3"), 1), QStringLiteral("Song"));
    }

    // The texts go there and back; what the window does not show stays as it was.
    void optionsRoundTrip() {
        SettingsRecord from;
        from.filter = QStringLiteral("*.mp3;*.wma");
        from.filenamelist = QStringLiteral("Track,Song");
        from.foldernamelist = QStringLiteral("Artist,Album");
        from.dashoption = 3;
        const OptionsValues v = OptionsFromSettings(from);
        QCOMPARE(v.filterText, QStringLiteral("mp3,wma"));
        SettingsRecord to;
        to.inpath = QStringLiteral("/music/in");
        ApplySettings(v, to);
        QCOMPARE(to.filter, from.filter);
        QCOMPARE(to.filenamelist, from.filenamelist);
        QCOMPARE(to.foldernamelist, from.foldernamelist);
        QCOMPARE(to.dashoption, 3);
        QCOMPARE(to.inpath, QStringLiteral("/music/in"));
        // The defaults button keeps the primary-artist choice, whatever it is, and turns the
        // smarter names and the richer tags off.
        for (const int removesubs : {0, 1}) {
            OptionsValues current = v;
            current.removesubs = removesubs;
            current.smartnames = 1;
            current.alltags = 1;
            const OptionsValues d = DefaultOptions(current);
            QCOMPARE(d.removesubs, removesubs);
            QCOMPARE(d.smartnames, 0);
            QCOMPARE(d.alltags, 0);
            QCOMPARE(d.filterText, QString(Defaults::filterExtensions));
            QCOMPARE(d.dashoption, 0);
        }
    }

    void firstRunIsTakenOnce() {
        QVERIFY(TakeFirstRun());
        QVERIFY(!TakeFirstRun());
        // Any stored mark counts as taken, and stays as it was.
        SettingsStore::Save(Keys::firstrun, QStringLiteral("yes, whatever"));
        QVERIFY(!TakeFirstRun());
        QCOMPARE(SettingsStore::Get(Keys::firstrun), QStringLiteral("yes, whatever"));
    }

    // Add (position 0) and Modify (a row) check the text the same way, with their own
    // messages; only Add refuses a duplicate.
    void editRule() {
        const char *shortAdd = "'Replace This' value must be at least 2 letters long!";
        for (const auto &[position, text, with, caseFlag, message] : {
                 std::tuple{0, "", "x", 0, "Cannot add nothing."},
                 {0, "f", "x", 0, shortAdd},
                 {0, "\U0001F3B5", "x", 0, shortAdd}, // one character outside the basic plane
                 {0, "ft", "feat", 1, "This item already exists in the list."}, // any case flag
                 {0, "ft", "Feat", 0, ""}, // another case of the new text
                 {0, " ab ", "", 5, ""},   // texts as typed, any flag counts as set
                 {1, "", "feat", 1, "Cannot Replace Nothing!"},
                 {1, "x", "feat", 1, "'Replace This' Value Must be at least 2 characters long!"},
                 {-1, "", "feat", 1, "Cannot Replace Nothing!"}, // without a row, text first
                 {2, "ft", "feat", 1, ""},                       // modify: no duplicate test
             }) {
            init();
            ScriptedDialogs dialogs;
            const QString t = QString::fromUtf8(text);
            const bool changed = position == 0
                                     ? ReplaceEditor::Add(t, with, caseFlag)
                                     : ReplaceEditor::Modify(qMax(position, 0), t, with, caseFlag);
            QCOMPARE(changed, !*message && position >= 0);
            QCOMPARE(dialogs.MessageTexts(), *message ? QStringList{message} : QStringList());
            QStringList rows{"ft>feat>No", "Jay Z>Jay Z Live>Yes"};
            const QString edited = t + '>' + with + (caseFlag ? ">Yes" : ">No");
            if (changed && position == 0)
                rows << edited;
            else if (changed)
                rows[position - 1] = edited;
            QCOMPARE(OldTexts(), rows);
        }
    }

    void editReplaceThisInPlace() {
        QVERIFY(!ReplaceEditor::EditReplaceThis(1, QString()));
        QVERIFY(ReplaceEditor::EditReplaceThis(1, QStringLiteral("x"))); // no length test here
        QVERIFY(ReplaceEditor::EditReplaceThis(2, QStringLiteral("x"))); // nor a duplicate test
        QVERIFY(!ReplaceEditor::EditReplaceThis(3, QStringLiteral("zz")));
        QCOMPARE(OldTexts(), QStringList({"x>feat>No", "x>Jay Z Live>Yes"}));
    }

    void removeAndClear() {
        // Remove gives the row to select next: the follower, or none after the last.
        for (const auto &[position, select, left] : {std::tuple{2, 2, "aacc"}, {3, 0, "aabb"}}) {
            UserReplaceList.Clear();
            for (const char *t : {"aa", "bb", "cc"})
                UserReplaceList.Add(QString(), QLatin1String(t), 0);
            QCOMPARE(ReplaceEditor::Remove(position), select);
            QString olds;
            for (const ReplaceRow &r : ReplaceEditor::Rows())
                olds += r.replaceThis;
            QCOMPARE(olds, QLatin1String(left));
        }
        SaveSettings();
        ScriptedDialogs dialogs;
        dialogs.AnswerMessage(MsgResult::No).AnswerMessage(MsgResult::Yes);
        QVERIFY(!ReplaceEditor::ClearAll());
        QCOMPARE(UserReplaceList.Count(), 2); // "No" keeps them
        QVERIFY(ReplaceEditor::ClearAll());   // the list and the store emptied at once
        QCOMPARE(dialogs.MessageTexts().value(1),
                 QStringLiteral("Are you sure you want to clear all items in the list?"));
        QCOMPARE(UserReplaceList.Count(), 0);
        QCOMPARE(SettingsStore::Get(QStringLiteral("rc")), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(tst_Options)
#include "tst_options.moc"
