#include "table/qt/table_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "game/hand_columns.h"
#include "game/table.h"
#include "table/gestures.h"
#include "table/qt/card_images.h"

namespace tavolex {

namespace {

constexpr int kSpreadStep = 12;
constexpr QColor kLabelColour(255, 255, 0);

struct Painting {
    QPainter& painter;
    Table& table;
    const CardImages& cards;
    QRect area;

    const TableLayout& layout() const { return table.layout; }

    void Card(const CardRecord& card, bool faceUp, int x, int y, bool highlighted = false) {
        const QRect place(x, y, layout().CardWidth, layout().CardHeight);
        if (!place.intersects(area)) return;
        const QPixmap& image = highlighted ? cards.Highlighted(card.cardId)
                               : faceUp    ? cards.Face(card.cardId)
                                           : cards.Back(card.deck);
        painter.drawPixmap(place.topLeft(), image);
    }
    void Pile(const CardPile& pile) {
        for (const CardRecord& card : pile) Card(card, card.faceUp != 0, card.x, card.y);
    }
};

void PaintPiles(Painting& p, int spreadHeight) {
    const GameState& state = p.table.state;
    if (!state.Stock.Empty()) {
        const CardRecord& top = state.Stock.Top();
        p.Card(top, false, top.x, top.y);
    }
    if (spreadHeight > 0) {
        int i = 0;
        for (const CardRecord& card : state.DiscardPile) {
            p.Card(card, true, card.x, card.y + kSpreadStep * i++);
        }
    } else if (!state.DiscardPile.Empty()) {
        const CardRecord& top = state.DiscardPile.Top();
        p.Card(top, true, top.x, top.y);
    }
    // The opponent's row is sorted by rank however the hand is stored.
    const bool visible = OpponentHandVisible(p.table);
    int x = p.layout().LeftMargin;
    for (int rank = kRankJoker; rank <= kRankAce; ++rank) {
        for (const CardRecord& card : state.OpponentHand) {
            if (card.rank != rank) continue;
            p.Card(card, visible && card.faceUp, x, card.y);
            x += state.HandOverlap;
        }
    }
    p.Pile(state.OpponentMelds);
    p.Pile(state.PlayerMelds);
    const DrawnHand drawn = DrawHand(state.PlayerHand, p.layout(), p.table.VisibleBottom);
    const int armed = ArmedDiscardCard(p.table);
    for (int i = 0; i < state.PlayerHand.count; ++i) {
        const CardRecord& card = state.PlayerHand.cards[i];
        p.Card(card, card.faceUp != 0, card.x, drawn[i].y, i == armed);
    }
}

void PaintFrame(Painting& p, int textHeight, int spreadHeight) {
    const TableLayout& l = p.layout();
    const int width = ScreenLayoutAt(p.table.Resolution).windowWidth;
    const int mid = l.MiddleY;
    const int d = textHeight + (mid - l.StockTop + 3);
    const int right = l.CardWidth + l.LeftMargin + 4;
    const int bottom = mid + d + 1 + spreadHeight;
    QPainter& painter = p.painter;
    painter.setPen(Qt::black);
    painter.drawLine(0, mid - d, right - 1, mid - d);
    painter.drawLine(right, mid - d - 1, right, mid);
    painter.drawPolyline(
        QPolygon({{width, mid + 1}, {right, mid + 1}, {right, bottom}, {0, bottom}}));
    painter.setPen(Qt::white);
    painter.drawLine(0, mid - d - 1, right, mid - d - 1);
    painter.drawPolyline(
        QPolygon({{right - 1, mid - d}, {right - 1, bottom - 1}, {0, bottom - 1}}));
    painter.drawLine(right, mid, width, mid);
}

void TextCentred(QPainter& painter, int left, int width, int top, const QString& text) {
    const QFontMetrics metrics(painter.font());
    painter.drawText(left + (width - metrics.horizontalAdvance(text)) / 2, top + metrics.ascent(),
                     text);
}

void PaintCounts(Painting& p, int textHeight, int spreadHeight) {
    const TableLayout& l = p.layout();
    const GameState& state = p.table.state;
    QString discards = QString::number(state.DiscardPile.count);
    if (state.PileFrozen) discards = "[" + discards + "]";
    p.painter.setPen(Qt::black);
    TextCentred(p.painter, l.LeftMargin, l.CardWidth, l.MiddleY + l.CardHeight + 3 + spreadHeight,
                discards);
    TextCentred(p.painter, l.LeftMargin, l.CardWidth, l.MiddleY - l.CardHeight - 3 - textHeight,
                QString::number(state.Stock.count));
}

// "Arial" 10 point, bold except at 640 x 480, shrunk until "Natural" fits inside a card.
QFont LabelFont(const Table& table, QPaintDevice* device) {
    QFont font("Arial", 10);
    font.setBold(table.Resolution != 0);
    while (font.pointSize() > 1 &&
           QFontMetrics(font, device).horizontalAdvance("Natural") > table.layout.CardWidth - 4) {
        font.setPointSize(font.pointSize() - 1);
    }
    return font;
}

// Labels of one side's canastas: first line at firstLine, second one line lower.
void PaintCanastaLabels(Painting& p, const MeldTally& tally, const ColumnCounts& counts, int boxTop,
                        int boxBottom, int firstLine, int secondLine, int wildSecondLine) {
    QPainter& painter = p.painter;
    const TableLayout& l = p.layout();
    for (int column = 1; column < kColumns; ++column) {
        const int kind = tally.CanastaKind[column];
        if (kind == kNoCanasta) continue;
        const int left = l.ColumnLeft(column);
        painter.setPen(Qt::black);
        painter.setBrush(kLabelColour);
        painter.drawRect(left, boxTop, l.CardWidth, boxBottom - boxTop);
        if (kind == kWildCanasta) {
            TextCentred(painter, left, l.CardWidth, firstLine, "Wild");
            TextCentred(painter, left, l.CardWidth, wildSecondLine, "card");
            continue;
        }
        const int naturals = tally.NaturalCount[column];
        const QString second = kind == kMixedCanasta
                                   ? QString("%1/%2").arg(naturals).arg(counts[column] - naturals)
                                   : QString::number(naturals);
        TextCentred(painter, left, l.CardWidth, firstLine,
                    kind == kMixedCanasta ? "Mixed" : "Natural");
        TextCentred(painter, left + 1, l.CardWidth, secondLine, second);
    }
}

void PaintAllCanastaLabels(Painting& p) {
    Table& table = p.table;
    table.CountColumns();
    p.painter.setFont(LabelFont(table, p.painter.device()));
    const int th = QFontMetrics(p.painter.font(), p.painter.device()).height();
    const TableLayout& l = table.layout;
    const GameState& state = table.state;
    const int own = l.OwnMeldTop + l.CardHeight;
    PaintCanastaLabels(p, state.PlayerTally, state.PlayerMeldCount, own + 15, own + 15 + 2 * th + 5,
                       own + 17, own + 19 + th, own + 19 + th);
    const int opp = l.OpponentMeldTop;
    PaintCanastaLabels(p, state.OpponentTally, state.OpponentMeldCount, opp - 2 * th - 20, opp - 15,
                       opp - 15 - 2 * th - 3, opp - 15 - th - 3, opp - 15 - th - 1);
}

}  // namespace

bool OpponentHandVisible(const Table& table) {
    return !table.NetworkActive && !table.ConcealAfterLoad && !table.ConcealRemote;
}

void PaintTable(QPainter& painter, Table& table, const CardImages& cards, const QColor& background,
                const QRect& area) {
    painter.fillRect(area, background);
    if (table.PaintSuppressed) return;
    painter.save();
    painter.setClipRect(area);
    const int spreadHeight = table.DiscardSpread && table.state.DiscardPile.count > 0
                                 ? (table.state.DiscardPile.count - 1) * kSpreadStep
                                 : 0;
    Painting p{painter, table, cards, area};
    PaintPiles(p, spreadHeight);
    QFont font("MS Sans Serif", 8);
    font.setBold(true);
    painter.setFont(font);
    const int textHeight = QFontMetrics(font, painter.device()).height();
    PaintFrame(p, textHeight, spreadHeight);
    PaintCounts(p, textHeight, spreadHeight);
    PaintAllCanastaLabels(p);
    painter.restore();
}

}  // namespace tavolex
