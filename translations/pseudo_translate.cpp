// Makes the pseudo-language's translators' file from the sources' texts: each text 40 % longer and
// its letters accented, its place-holders (%1, %n, {field}), mnemonics (&), tags and line breaks
// kept, so that a window shown in it tells which texts are cut off and which texts are not
// translated at all.
//   tw_pseudo_translate SOURCES.ts PSEUDO.ts
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>

namespace {

QChar Accented(QChar c) {
  static const QString plain = "aceinouyAEIOUCNY";
  static const QString accented = QString::fromUtf8("åçéîñöûýÅÉÎÖÜÇÑÝ");
  const qsizetype at = plain.indexOf(c);
  return at < 0 ? c : accented.at(at);
}

QString Pseudo(const QString& text) {
  // What must stay as it is: place-holders, HTML tags and entities, a mnemonic's "&&".
  static const QRegularExpression kept(R"(%L?[0-9n]|\{[a-zA-Z]+\}|<[^>]*>|&[a-zA-Z#0-9]+;)");
  QString out;
  int letters = 0;
  qsizetype at = 0;
  for (auto match = kept.globalMatch(text); match.hasNext();) {
    const auto m = match.next();
    for (; at < m.capturedStart(); ++at) {
      out += Accented(text.at(at));
      if (text.at(at).isLetterOrNumber()) ++letters;
    }
    out += m.captured();
    at = m.capturedEnd();
  }
  for (; at < text.size(); ++at) {
    out += Accented(text.at(at));
    if (text.at(at).isLetterOrNumber()) ++letters;
  }
  if (letters == 0) return out;
  // Four tenths more, at least two characters, as a word of its own after the first line: "Start
  // Project ééééé".
  const int more = std::max(2, (static_cast<int>(text.size()) * 4 + 9) / 10);
  const QString tail = " " + QString(more - 1, QChar(0x00E9));
  const qsizetype lineEnd = out.indexOf('\n');
  return lineEnd < 0 ? out + tail : out.left(lineEnd) + tail + out.mid(lineEnd);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: tw_pseudo_translate SOURCES.ts PSEUDO.ts\n");
    return 2;
  }
  QFile in(QString::fromLocal8Bit(argv[1])), out(QString::fromLocal8Bit(argv[2]));
  if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "tw_pseudo_translate: cannot open %s or %s\n", argv[1], argv[2]);
    return 1;
  }
  QXmlStreamReader reader(&in);
  QXmlStreamWriter writer(&out);
  writer.setAutoFormatting(true);
  QString source;
  bool numerus = false;
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartDocument()) {
      writer.writeStartDocument();
    } else if (reader.isDTD()) {
      writer.writeDTD("<!DOCTYPE TS>");
    } else if (reader.isStartElement()) {
      const QString name = reader.name().toString();
      if (name == "translation") {
        // The translation is written from the source; whatever lupdate left there is skipped.
        writer.writeStartElement("translation");
        if (numerus) {
          for (int form = 0; form < 2; ++form) writer.writeTextElement("numerusform", Pseudo(source));
        } else {
          writer.writeCharacters(Pseudo(source));
        }
        writer.writeEndElement();
        reader.skipCurrentElement();
        continue;
      }
      writer.writeStartElement(name);
      for (const QXmlStreamAttribute& attribute : reader.attributes()) {
        if (name == "TS" && attribute.name() == QLatin1String("language"))
          writer.writeAttribute("language", "en_XA");
        else
          writer.writeAttribute(attribute.name().toString(), attribute.value().toString());
      }
      if (name == "message") numerus = reader.attributes().value("numerus") == QLatin1String("yes");
      if (name == "source") {
        source = reader.readElementText();
        writer.writeCharacters(source);
        writer.writeEndElement();
      }
    } else if (reader.isEndElement()) {
      writer.writeEndElement();
    } else if (reader.isCharacters() && !reader.isWhitespace()) {
      writer.writeCharacters(reader.text().toString());
    }
  }
  writer.writeEndDocument();
  if (reader.hasError()) {
    std::fprintf(stderr, "tw_pseudo_translate: %s: %s\n", argv[1], qPrintable(reader.errorString()));
    return 1;
  }
  return 0;
}
