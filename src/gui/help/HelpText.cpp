// The fixed German usage text of the help window. It describes both windows
// and the three mouse modes of the picture; keep it in step with the controls.
#include "gui/help/HelpWindow.h"

QString HelpWindow::usageText() {
    return QStringLiteral(
R"(Spatium V2.20 – Vektorrechnung und analytische Geometrie im Raum

ÜBERBLICK
Das Programm besteht aus zwei Fenstern: dem Grafikfenster mit dem
Koordinatensystem (links das Bild, rechts die Bedienleiste) und dem
Eingabefenster „3D-System“, in das Punkte, Vektoren, Geraden, Ebenen
und Körper eingetragen werden. Gezeichnet wird erst, wenn im
Eingabefenster die Zeichnen-Schaltfläche (Gruppe „Steuerung“)
betätigt wird; jede Änderung der Ansicht im Grafikfenster zeichnet
das ganze Bild neu.

Zahlen werden mit Dezimalkomma eingegeben (z. B. 2,5). Brüche wie 3/4
sind erlaubt. Eine fehlerhafte Eingabe wird mit einem Signalton und
der Meldung „Fehler an Stelle …“ angezeigt; der Cursor kehrt dann in
das Feld zurück. Ein Feld wird übernommen, sobald man es verlässt
(Tabulatortaste, Mausklick in ein anderes Feld oder – in einigen
Feldern – die Eingabetaste).

DAS GRAFIKFENSTER

Info
  Die Schaltfläche „Hilfestellung und Info“ öffnet diese Hinweise.

Zu den Eingaben
  Öffnet das Eingabefenster (Punkte, Ebenen, ...). Jede Änderung der
  Ansicht zeichnet neu und schließt dabei das Eingabefenster wieder.

3D-Darstellung
  Drei schräge Parallelprojektionen stehen zur Wahl (System 1, 2, 3).
  Ein Klick auf ein System stellt auch die Verschiebung des Bildes
  zurück; ein zweiter Klick auf das schon gewählte System macht also
  ein Verschieben mit der Maus rückgängig.

Zoomfaktor
  Maßstab des Koordinatensystems: 0,25; 0,5; 1; 2; 4; 8 oder 16.
  Beim Faktor 2 stehen an den Achsen die Zahlen 4, 8, 12, 16; das Bild
  selbst behält seine Größe.

Hintergrundraster ein
  Zeichnet ein graues Raster hinter das Koordinatensystem. Ein Klick
  auf das Farbfeld daneben wählt die Farbe des Rasters.

Achsen nur positiv / keine Achsen
  Zeichnet nur die positiven Halbachsen bzw. gar keine Achsen.

Strecken/Geraden dick, Vektoren dick
  Zeichnet Strecken, Geraden, Kanten bzw. Vektorpfeile doppelt so
  breit – nützlich für Ausdrucke und Arbeitsblätter.

Punktebeschriftung groß
  Größere Schrift für die Namen der Punkte.

Spurpunkte zeichnen
  Zeichnet bei den Geraden deren Spurpunkte, also die Schnittpunkte
  mit den Koordinatenebenen, mit ihren Koordinatenzügen ein.

Flächen schraffieren
  Ebenen, Vielecke und Körperflächen werden schraffiert; sonst nur
  ihr Rand gezeichnet.

System schrumpfen 3/4, 2/4, 1/4
  Verkürzt die Achsen auf drei Viertel, die Hälfte bzw. ein Viertel.
  Höchstens eines der drei Kästchen ist angekreuzt.

KOS drehen
  Die Kästchen x, y, z legen fest, um welche Achsen gedreht wird (auch
  mehrere zugleich). Die Pfeil-Schaltflächen drehen um 5° weiter bzw.
  zurück, höchstens bis ±720°. Das Feld daneben zeigt den zuletzt
  geänderten Winkel. „Drehungen zurücknehmen“ setzt alle drei Winkel
  auf 0°.

Ebenen strecken
  Eine Ebene wird als Dreieck zwischen ihren Spurpunkten Sx, Sy, Sz
  auf den Achsen gezeichnet. Ist „an Sx“, „an Sy“ oder „an Sz“
  angekreuzt, wird dieses Stück vom betreffenden Spurpunkt aus um den
  Faktor (Feld „Faktor“, größer als 0) vergrößert.

Koordinatenebenen einzeichnen
  xy-, xz- und yz-Ebene einzeln ein- und ausschalten. „Farben
  automatisch“ gibt jeder Ebene eine eigene Farbe, sonst gilt die
  Farbe des Farbfeldes. Die Schaltfläche „Koordinatenebenen
  ausschalten“ entfernt alle drei auf einmal.

Würfel (Ecke im Ursprung)
  Zeichnet einen Würfel mit der eingetragenen Kantenlänge; das
  Farbfeld bestimmt seine Farbe.

Parallelebenen zu den KO-Ebenen
  Zeichnet die Ebenen x = c, y = c und z = c mit den eingetragenen
  Werten in der Farbe des Farbfeldes.

Text in die Grafik einfügen
  In das Textfeld wird der gewünschte Text geschrieben; die
  Schaltfläche daneben wählt Schriftart, Größe, Stil und Farbe.
  Ist „T“ (Textmodus) angekreuzt, setzt ein Klick mit der rechten
  Maustaste den Text an die Stelle des Mauszeigers. Eingefügter Text
  verschwindet beim nächsten Neuzeichnen wieder; er ist zum Kopieren
  in die Zwischenablage gedacht.

Farbfelder
  Ein Klick auf ein Farbfeld öffnet die Farbauswahl. Das Bild wird
  danach neu gezeichnet, auch wenn die Auswahl abgebrochen wurde.

DIE MAUS ÜBER DEM BILD
Es gibt drei Betriebsarten; der Mauszeiger zeigt an, welche gilt.

1. Verschieben (Hand, Normalfall)
   Bewegen der Maus bei gedrückter linker Taste verschiebt das
   Koordinatensystem. Ein Klick mit der rechten Taste speichert das
   ganze Bild in der Zwischenablage.

2. Teilgrafik markieren (Fadenkreuz)
   Eingeschaltet mit „Teilgrafik-Markiermodus ein“. Bei gedrückter
   linker Taste wird ein Rahmen aufgezogen; beim Loslassen wird der
   Bildausschnitt in der Zwischenablage gespeichert. Die rechte Taste
   speichert wie beim Verschieben das ganze Bild.

3. Text einfügen (Buchstabe T)
   Eingeschaltet mit dem Kästchen „T“. Ein Klick mit der rechten
   Taste setzt den Text; die linke Ecke oben liegt am Mauszeiger.

Textmodus und Markiermodus schließen sich gegenseitig aus. Maus-
aktionen zählen nur, wenn keine Umschalt-, Strg- oder Alt-Taste
gedrückt ist. Das Bild in der Zwischenablage kann in jedes Programm
eingefügt werden, das Bilder annimmt (Textverarbeitung, Grafik).

DAS EINGABEFENSTER „3D-System“

Punkte und Vektoren
  Neun Punkte A, B, C, D, E, F, S, P und Q mit Namen und Koordinaten.
  „be“ zeichnet den Punkt mit seinem Namen, „Ko“ zusätzlich seinen
  Koordinatenzug. Die Kästchen „Vektor“ zeichnen die Vektoren AB, BC,
  CD, DE, EF, FS und PQ; mit „Strecke“ werden statt Pfeilen Strecken
  gezeichnet. Der Vektor AD wird automatisch berechnet.

Geraden
  g: x = u + t·v. Die Felder von g dürfen Terme in t enthalten
  (z. B. 1,5t oder 2*t-1). Mit „Schar zeichnen / t verwenden“ wird die
  Geradenschar gt für t von t1 bis t2 in Schritten Δt gezeichnet.
  h: Stützvektor und Richtungsvektor werden direkt eingetragen.
  g2 ist die Gerade durch P und Q und wird automatisch berechnet.

Ebenen
  E1 und E2 in Koordinatenform a·x + b·y + c·z = d, E3 und E4 in
  Parameterform x = p + λ·u + μ·v. E5 ist die Ebene durch A, B und C
  und wird automatisch berechnet.

Vielecke und Körper
  Dreiecke ABC und DEF, Viereck ABCD, Prismen und Pyramiden über ABC
  bzw. ABCD mit der Kante AS bzw. der Spitze S sowie der Spat mit den
  Spannvektoren AB, AC und AS.

Berechnungen
  Die Schaltflächen untersuchen die gegenseitige Lage von Geraden und
  Ebenen (Schnittpunkte, Schnittgeraden, Schnittwinkel), machen
  Punktproben, berechnen Abstände mit Lotfußpunkten, Flächeninhalte,
  Volumina, die Komplanarität von AB, AC, AD sowie Skalar- und
  Vektorprodukte. Die Ergebnisse erscheinen – wenn möglich mit
  exakten Wurzelwerten – im Ausgabefenster rechts. Dessen Text kann
  bearbeitet, markiert und kopiert werden; „Ausgabefenster löschen“
  leert es. Die Ausgabe-Schaltflächen schreiben die Gleichungen von
  g, h, g2 und E1 bis E5 dorthin.
  Ist „Rechenweg anzeigen“ angekreuzt, schreibt jede Berechnung vor
  ihrem Ergebnis den Lösungsweg wie im Schulheft: Ansatz, Gleichungen,
  Umformungen und Probe, mit exakten Brüchen und Wurzeln aus den
  Eingaben, so wie sie eingetippt sind (Formeln wie w(2) oder pi
  als Dezimalzahlen).
  „Bearbeiten“ → „Ausgaben als LaTeX kopieren“ (Strg+Umschalt+L,
  auch im Kontextmenü des Ausgabefensters) legt die Ausgaben – oder
  die Blöcke, die die Markierung berührt – als LaTeX (mit amsmath)
  in die Zwischenablage: Spaltenvektoren, Brüche und Wurzeln gesetzt.

Steuerung
  „auf Standardwerte zurückstellen“ setzt alle Eingaben und die
  Ansicht auf die Anfangswerte zurück.

Beenden
  Beim Schließen des Grafikfensters fragt das Programm nach, ob es
  wirklich beendet werden soll. Es wird nichts gespeichert.
)");
}
