// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translations.h"
#include "app/MainUnit.h"
#include "events/EventForm.h"
#include "events/ImportEventForm.h"
#include "presets/DateTimePick.h"
#include "skins/SkinChooserUnit.h"
#include "support/Calendars.h"
#include "support/ClockTest.h"
#include "widgets/DialogFrame.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTranslator>
#include <cstdlib>
#include <functional>

namespace {

const QString Sources = QStringLiteral(KORVANE5_SOURCE_DIR "/translations");
const QString Compiled = QStringLiteral(KORVANE5_BINARY_DIR "/translations");
// What the Import Event dialog lists while its texts are checked.
const char* const OneEvent = "BEGIN:VEVENT\r\nUID:a\r\nDTSTART:20260101T000000Z\r\nEND:VEVENT\r\n";

QStringList Languages() {
    QStringList languages;
    for (const QString& file : QDir(Sources).entryList({"korvane5_*.ts"}))
        if (file != QLatin1String("korvane5_en.ts"))
            languages << file.mid(9, file.size() - 12);
    return languages;
}

// The placeholders and access keys a text has: %1, %2, %n, and how many &s.
QString Marks(const QString& text) {
    QStringList marks;
    const QRegularExpression placeholder(QStringLiteral("%[0-9n]"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        marks << it.next().captured();
    marks.sort();
    return marks.join(QLatin1Char(' ')) + QStringLiteral(" &x%1").arg(text.count(u'&'));
}

// The access key of a caption: the character after its &, lower-cased; none without one.
QChar AccessKey(const QString& caption) {
    const qsizetype at = caption.indexOf(u'&');
    return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toLower() : QChar();
}

// Every access key of the captions is different, and each has one.
void ExpectUniqueKeys(const QStringList& captions, const QString& where) {
    QString seen;
    for (const QString& caption : captions) {
        const QChar key = AccessKey(caption);
        EXPECT_FALSE(key.isNull()) << where.toStdString() << ": " << caption.toStdString();
        EXPECT_FALSE(seen.contains(key)) << where.toStdString() << ": " << caption.toStdString();
        seen += key;
    }
}

} // namespace

struct TMessage {
    QString Context, Source, Type;
    QStringList Texts; // the translation, or each of its plural forms
};

// The messages of a Qt Linguist catalogue.
std::vector<TMessage> ReadCatalogue(const QString& path) {
    std::vector<TMessage> messages;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QDomDocument document;
    EXPECT_TRUE(document.setContent(&file)) << path.toStdString();
    const QDomNodeList contexts = document.elementsByTagName(QStringLiteral("context"));
    for (int c = 0; c < contexts.size(); ++c) {
        const QDomElement context = contexts.at(c).toElement();
        const QString name = context.firstChildElement(QStringLiteral("name")).text();
        for (QDomElement message = context.firstChildElement(QStringLiteral("message"));
             !message.isNull(); message = message.nextSiblingElement(QStringLiteral("message"))) {
            const QDomElement translation =
                message.firstChildElement(QStringLiteral("translation"));
            TMessage m{name,
                       message.firstChildElement(QStringLiteral("source")).text(),
                       translation.attribute(QStringLiteral("type")),
                       {}};
            if (message.attribute(QStringLiteral("numerus")) == QLatin1String("yes"))
                for (QDomElement form = translation.firstChildElement(); !form.isNull();
                     form = form.nextSiblingElement())
                    m.Texts << form.text();
            else
                m.Texts << translation.text();
            messages.push_back(m);
        }
    }
    return messages;
}

TEST(TranslationsTest, EveryCatalogueIsCompleteAndKeepsEachTextsMarks) {
    const QStringList languages = Languages();
    EXPECT_EQ(languages.size(), 10);
    for (const QString& language : languages + QStringList{"en"}) {
        const std::vector<TMessage> messages =
            ReadCatalogue(Sources + "/korvane5_" + language + ".ts");
        EXPECT_FALSE(messages.empty()) << language.toStdString();
        for (const TMessage& m : messages) {
            const std::string where = (language + ": " + m.Context + ": " + m.Source).toStdString();
            // Neither unfinished nor left over from a text the program no longer has.
            EXPECT_TRUE(m.Type.isEmpty()) << where << " is " << m.Type.toStdString();
            for (const QString& text : m.Texts) {
                // (A separator may become a space, which the reader here takes for nothing.)
                EXPECT_TRUE(!text.isEmpty() || m.Source.trimmed() == QLatin1String(",")) << where;
                EXPECT_EQ(Marks(text), Marks(m.Source)) << where << " -> " << text.toStdString();
            }
        }
    }
}

TEST(TranslationsTest, AccessKeysAreUniqueInEachMenuAndDialogOfEveryLanguage) {
    TTestSeams seams;
    for (const QString& language : Languages()) {
        QTranslator translator;
        ASSERT_TRUE(translator.load("korvane5_" + language, Compiled)) << language.toStdString();
        QCoreApplication::installTranslator(&translator);
        {
            TMainForm form({});
            const std::function<void(QMenu*)> check = [&](QMenu* menu) {
                QStringList captions;
                for (QAction* item : menu->actions()) {
                    if (item->isSeparator())
                        continue;
                    if (item->menu())
                        check(item->menu());
                    if (item->text().contains(u'&'))
                        captions << item->text();
                }
                if (!captions.isEmpty())
                    ExpectUniqueKeys(captions, language + ": " + menu->title());
            };
            check(form.PopupMenu);
            EXPECT_EQ(AccessKey(form.Exit->text()).isNull(), false) << language.toStdString();
            TEventForm event(&form);
            TImportEventForm import(&form, events::TCalendarFile(Calendar(OneEvent)),
                                    QDateTime::fromSecsSinceEpoch(0));
            for (QWidget* dialog :
                 {static_cast<QWidget*>(form.EnsureDateTimeDialog()),
                  static_cast<QWidget*>(form.SkinChooser), static_cast<QWidget*>(&event),
                  static_cast<QWidget*>(&import)}) {
                QStringList captions;
                for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
                    if (button->text().contains(u'&'))
                        captions << button->text();
                for (const QLabel* label : dialog->findChildren<QLabel*>())
                    if (label->text().contains(u'&'))
                        captions << label->text();
                ExpectUniqueKeys(captions, language + ": " + dialog->windowTitle());
            }
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

TEST(TranslationsTest, EveryTextFitsItsPlaceInEveryLanguage) {
    TTestSeams seams;
    for (const QString& language : Languages() + QStringList{"en"}) {
        QTranslator translator;
        ASSERT_TRUE(translator.load("korvane5_" + language, Compiled)) << language.toStdString();
        QCoreApplication::installTranslator(&translator);
        {
            TMainForm form({});
            TEventForm event(&form);
            TImportEventForm import(&form, events::TCalendarFile(Calendar(OneEvent)),
                                    QDateTime::fromSecsSinceEpoch(0));
            for (QWidget* dialog :
                 {static_cast<QWidget*>(form.EnsureDateTimeDialog()),
                  static_cast<QWidget*>(form.SkinChooser), static_cast<QWidget*>(&event),
                  static_cast<QWidget*>(&import)}) {
                for (QWidget* control : dialog->findChildren<QWidget*>()) {
                    if (!qobject_cast<QLabel*>(control) && !qobject_cast<QAbstractButton*>(control))
                        continue;
                    if (const auto* label = qobject_cast<QLabel*>(control);
                        label && !label->pixmap().isNull())
                        continue;
                    EXPECT_LE(widgets::TextWidthNeeded(control), control->width())
                        << language.toStdString() << ": " << control->objectName().toStdString();
                    EXPECT_TRUE(dialog->rect().contains(control->geometry()))
                        << language.toStdString() << ": " << control->objectName().toStdString();
                }
            }
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

TEST(TranslationsTest, TheUsersLanguageAsGettextChoosesIt) {
    const char* const names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::pair<QByteArray, bool>> saved;
    for (const char* name : names)
        saved.emplace_back(qgetenv(name), qEnvironmentVariableIsSet(name));
    const QString exit = QStringLiteral("E&xit");
    const struct {
        const char* Language;
        const char* Lang;
        bool English;
    } rows[] = {{"de", "C", true},          // a C message locale: English, whatever LANGUAGE says
                {"", "de_DE.UTF-8", false}, // the message locale's language
                {"de", "en_US.UTF-8", false},
                {"xx:de", "fr_FR.UTF-8", false}, // the first language with a catalogue
                {"", "", true}};
    for (const auto& row : rows) {
        qputenv("LANGUAGE", row.Language);
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
        qputenv("LANG", row.Lang);
        platform::LoadTranslations(Compiled);
        const QString shown = QCoreApplication::translate("TMainForm", "E&xit");
        EXPECT_EQ(shown == exit, row.English)
            << row.Language << " " << row.Lang << ": " << shown.toStdString();
    }
    for (size_t i = 0; i < saved.size(); ++i)
        if (saved[i].second)
            qputenv(names[i], saved[i].first);
        else
            qunsetenv(names[i]);
    platform::LoadTranslations(Compiled);
}
