<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Practice</name>
    <message>
        <source>Network (subnet) address</source>
        <translation>Netzadresse (Subnetz)</translation>
    </message>
    <message>
        <source>Broadcast address</source>
        <translation>Broadcast-Adresse</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Network bits of the class</source>
        <translation>Netzbits der Klasse</translation>
    </message>
    <message>
        <source>Subnet bits</source>
        <translation>Subnetzbits</translation>
    </message>
    <message>
        <source>Host bits</source>
        <translation>Hostbits</translation>
    </message>
    <message>
        <source>Usable subnets</source>
        <translation>Nutzbare Subnetze</translation>
    </message>
    <message>
        <source>Usable hosts per subnet</source>
        <translation>Nutzbare Hosts je Subnetz</translation>
    </message>
    <message>
        <source>First usable subnet (Subnet 1)</source>
        <translation>Erstes nutzbares Subnetz (Subnetz 1)</translation>
    </message>
    <message>
        <source>Last usable subnet (Subnet N)</source>
        <translation>Letztes nutzbares Subnetz (Subnetz N)</translation>
    </message>
    <message>
        <source>Status message</source>
        <translation>Statusmeldung</translation>
    </message>
    <message>
        <source>Natural masks only</source>
        <translation>Nur natürliche Masken</translation>
    </message>
    <message>
        <source>Contiguous masks</source>
        <translation>Zusammenhängende Masken</translation>
    </message>
    <message>
        <source>Any mask the checks accept</source>
        <translation>Jede Maske, die die Prüfungen annehmen</translation>
    </message>
    <message>
        <source>Spot the fault</source>
        <translation>Finde den Fehler</translation>
    </message>
    <message>
        <source>no subnets</source>
        <translation>keine Subnetze</translation>
    </message>
    <message>
        <source>no hosts</source>
        <translation>keine Hosts</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong, expected %1</source>
        <translation>falsch, erwartet: %1</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <source>Multicast, Class D</source>
        <translation>Multicast, Klasse D</translation>
    </message>
    <message>
        <source>Research, Class E</source>
        <translation>Forschung, Klasse E</translation>
    </message>
    <message>
        <source>%1 bits, Class %2</source>
        <translation>%1 Bits, Klasse %2</translation>
    </message>
    <message>
        <source>%1 bits, no subnets</source>
        <translation>%1 Bits, keine Subnetze</translation>
    </message>
    <message>
        <source>%1 bits, %2 subnets</source>
        <translation>%1 Bits, %2 Subnetze</translation>
    </message>
    <message>
        <source>%1 bits, %2 hosts</source>
        <translation>%1 Bits, %2 Hosts</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Illegal IP address</source>
        <translation>Ungültige IP-Adresse</translation>
    </message>
    <message>
        <source>Illegal subnet mask</source>
        <translation>Ungültige Subnetzmaske</translation>
    </message>
    <message>
        <source>Illegal subnet mask versus network class</source>
        <translation>Subnetzmaske passt nicht zur Netzklasse</translation>
    </message>
    <message>
        <source>Illegal subnet (all zeros) or use subnet-zero</source>
        <translation>Ungültiges Subnetz (nur Nullen) oder subnet-zero verwenden</translation>
    </message>
    <message>
        <source>Illegal subnet (all ones)</source>
        <translation>Ungültiges Subnetz (nur Einsen)</translation>
    </message>
    <message>
        <source>No host(s)</source>
        <translation>Keine Hosts</translation>
    </message>
    <message>
        <source>Illegal host ip address (all zeros = network)</source>
        <translation>Ungültige Host-IP-Adresse (nur Nullen = Netz)</translation>
    </message>
    <message>
        <source>Illegal host ip address (all ones = broadcast)</source>
        <translation>Ungültige Host-IP-Adresse (nur Einsen = Broadcast)</translation>
    </message>
</context>
<context>
    <name>octaval::frmAbout</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>© 2026 the Octaval developers. Licence GPL-3.0-or-later, terms in LICENSE beside the program. More in README.md.</source>
        <translation>© 2026 die Octaval-Entwickler. Lizenz GPL-3.0-or-later, Text in LICENSE neben dem Programm. Mehr in README.md.</translation>
    </message>
    <message>
        <source>© 2026 the Octaval developers. Licence GPL-3.0-or-later, terms in
/usr/share/doc/octaval/copyright
More in octaval(1) and the README.</source>
        <translation>© 2026 die Octaval-Entwickler. Lizenz GPL-3.0-or-later, Text in
/usr/share/doc/octaval/copyright
Mehr in octaval(1) und im README.</translation>
    </message>
    <message>
        <source>Free to share and use. The author accepts no responsibility for any damage or loss of data it may cause.</source>
        <translation>Frei zum Teilen und Benutzen. Der Autor haftet nicht für Schäden oder Datenverluste, die es verursacht.</translation>
    </message>
    <message>
        <source>%1 %2 calculates subnet and broadcast address via given IP address and subnet mask.</source>
        <translation>%1 %2 berechnet Subnetz- und Broadcast-Adresse aus IP-Adresse und Subnetzmaske.</translation>
    </message>
</context>
<context>
    <name>octaval::frmMain</name>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>Subnetz</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Subnet 1</source>
        <translation>Subnetz 1</translation>
    </message>
    <message>
        <source>Subnet N</source>
        <translation>Subnetz N</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Recalculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1, octet %2</source>
        <translation>%1, Oktett %2</translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation>Ergebnisse kopieren</translation>
    </message>
    <message>
        <source>Every subnet…</source>
        <translation>Alle Subnetze…</translation>
    </message>
    <message>
        <source>Show the working…</source>
        <translation>Rechenweg zeigen…</translation>
    </message>
    <message>
        <source>Practice…</source>
        <translation>Üben…</translation>
    </message>
    <message>
        <source>Ctrl+L: every subnet</source>
        <translation>Strg+L: alle Subnetze</translation>
    </message>
    <message>
        <source>Ctrl+B: show the working</source>
        <translation>Strg+B: Rechenweg zeigen</translation>
    </message>
</context>
<context>
    <name>octaval::frmPractice</name>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Klassen</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Klasse %1</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Stufe</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Problem IP address</source>
        <translation>IP-Adresse der Aufgabe</translation>
    </message>
    <message>
        <source>Problem subnet mask</source>
        <translation>Subnetzmaske der Aufgabe</translation>
    </message>
    <message>
        <source>%1, octet %2</source>
        <translation>%1, Oktett %2</translation>
    </message>
    <message>
        <source>%1, mark</source>
        <translation>%1, Bewertung</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Next problem</source>
        <translation>&amp;Nächste Aufgabe</translation>
    </message>
    <message>
        <source>Show the &amp;working</source>
        <translation>&amp;Rechenweg zeigen</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Score: %1 of %2 right</source>
        <translation>Punkte: %1 von %2 richtig</translation>
    </message>
</context>
<context>
    <name>octaval::frmSubnets</name>
    <message>
        <source>Subnet</source>
        <translation>Subnetz</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>First host</source>
        <translation>Erster Host</translation>
    </message>
    <message>
        <source>Last host</source>
        <translation>Letzter Host</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Subnets</source>
        <translation>Subnetze</translation>
    </message>
    <message>
        <source>Find an address or a subnet number:</source>
        <translation>Adresse oder Subnetznummer suchen:</translation>
    </message>
    <message>
        <source>Find a subnet</source>
        <translation>Subnetz suchen</translation>
    </message>
    <message>
        <source>Ctrl+F: find; Enter selects the row</source>
        <translation>Strg+F: suchen; Eingabe wählt die Zeile</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Als CSV speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Copy rows</source>
        <translation>Zeilen kopieren</translation>
    </message>
    <message>
        <source>No subnets to list: press Recalculate in the main window first</source>
        <translation>Keine Subnetze: zuerst im Hauptfenster „Berechnen“ drücken</translation>
    </message>
    <message>
        <source>No subnets to list: %1</source>
        <translation>Keine Subnetze: %1</translation>
    </message>
    <message>
        <source>%1 %2 of the class %3 network %4 under %5</source>
        <translation>%1 %2 des Klasse-%3-Netzes %4 unter %5</translation>
    </message>
    <message>
        <source>subnet</source>
        <translation>Subnetz</translation>
    </message>
    <message>
        <source>subnets</source>
        <translation>Subnetze</translation>
    </message>
    <message>
        <source>Subnet %1</source>
        <translation>Subnetz %1</translation>
    </message>
    <message>
        <source>Too many rows to copy (%1, at most %2): &quot;%3&quot; writes the whole list</source>
        <translation>Zu viele Zeilen zum Kopieren (%1, höchstens %2): „%3“ schreibt die ganze Liste</translation>
    </message>
    <message>
        <source>Copied 1 row</source>
        <translation>1 Zeile kopiert</translation>
    </message>
    <message>
        <source>Copied %1 rows</source>
        <translation>%1 Zeilen kopiert</translation>
    </message>
    <message>
        <source>Save the subnets as CSV</source>
        <translation>Subnetze als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Saved %1 rows to %2</source>
        <translation>%1 Zeilen in %2 gespeichert</translation>
    </message>
    <message>
        <source>Cannot save the list to %1: %2</source>
        <translation>Die Liste kann nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>reserved, all zeros</source>
        <translation>reserviert, alles Nullen</translation>
    </message>
    <message>
        <source>reserved, all ones</source>
        <translation>reserviert, alles Einsen</translation>
    </message>
    <message>
        <source>holds %1</source>
        <translation>enthält %1</translation>
    </message>
    <message>
        <source>Class %1 has no subnets</source>
        <translation>Klasse %1 hat keine Subnetze</translation>
    </message>
    <message>
        <source>Type an address or a subnet number</source>
        <translation>Eine Adresse oder Subnetznummer eingeben</translation>
    </message>
    <message>
        <source>There is no subnet %1: they are numbered 0 to %2</source>
        <translation>Es gibt kein Subnetz %1: sie sind von 0 bis %2 nummeriert</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither an address (such as 10.1.2.3) nor a subnet number</source>
        <translation>„%1“ ist weder eine Adresse (etwa 10.1.2.3) noch eine Subnetznummer</translation>
    </message>
    <message>
        <source>%1 is not in the network %2</source>
        <translation>%1 liegt nicht im Netz %2</translation>
    </message>
</context>
<context>
    <name>octaval::frmWorking</name>
    <message>
        <source>No working yet: press Recalculate in the main window first.</source>
        <translation>Noch kein Rechenweg: zuerst im Hauptfenster „Berechnen“ drücken.</translation>
    </message>
    <message>
        <source>the class&apos;s network bits</source>
        <translation>die Netzbits der Klasse</translation>
    </message>
    <message>
        <source>the subnet bits</source>
        <translation>die Subnetzbits</translation>
    </message>
    <message>
        <source>the host bits</source>
        <translation>die Hostbits</translation>
    </message>
    <message>
        <source>no fields</source>
        <translation>keine Felder</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copies the whole working as text (Ctrl+C)</source>
        <translation>Kopiert den ganzen Rechenweg als Text (Strg+C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Working of %1 %2: %3</source>
        <translation>Rechenweg für %1 %2: %3</translation>
    </message>
    <message>
        <source>%1 in binary</source>
        <translation>%1 binär</translation>
    </message>
    <message>
        <source>Legend: </source>
        <translation>Legende: </translation>
    </message>
    <message>
        <source>class %1 has no network, subnet and host fields</source>
        <translation>Klasse %1 hat keine Netz-, Subnetz- und Hostfelder</translation>
    </message>
</context>
</TS>
