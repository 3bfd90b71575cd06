<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Caption</name>
    <message>
        <source>Subnets</source>
        <translation>Subnetze</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Netzmaske</translation>
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
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1, octet %2</source>
        <translation>%1, Oktett %2</translation>
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
        <source>Marks</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Network (subnet) address</source>
        <translation>Netzadresse (Subnetz)</translation>
    </message>
    <message>
        <source>Broadcast address</source>
        <translation>Broadcast-Adresse</translation>
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
</context>
<context>
    <name>Practice</name>
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
        <translation>Fehler finden</translation>
    </message>
    <message>
        <source>no subnets</source>
        <translation>keine Subnetze</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong, expected %1</source>
        <translation>falsch, erwartet: %1</translation>
    </message>
    <message>
        <source>not answered</source>
        <translation>nicht beantwortet</translation>
    </message>
    <message>
        <source>cannot read %1 as an address</source>
        <translation>%1 ist als Adresse nicht lesbar</translation>
    </message>
    <message>
        <source>cannot read %1 as a class</source>
        <translation>%1 ist als Klasse nicht lesbar</translation>
    </message>
    <message>
        <source>cannot read %1 as a status message</source>
        <translation>%1 ist als Statusmeldung nicht lesbar</translation>
    </message>
    <message>
        <source>cannot read %1 as a number</source>
        <translation>%1 ist als Zahl nicht lesbar</translation>
    </message>
    <message>
        <source>class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>subnets</source>
        <translation>Subnetze</translation>
    </message>
    <message>
        <source>subnet</source>
        <translation>Subnetz</translation>
    </message>
    <message>
        <source>hosts</source>
        <translation>Hosts</translation>
    </message>
    <message>
        <source>host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>bits</source>
        <translation>Bits</translation>
    </message>
    <message>
        <source>bit</source>
        <translation>Bit</translation>
    </message>
    <message>
        <source>%1 is the first usable host; the network address is the one before it, %2, with every host bit 0.</source>
        <translation>%1 ist der erste nutzbare Host; die Netzadresse ist die davor, %2, mit allen Hostbits auf 0.</translation>
    </message>
    <message>
        <source>%1 is the address And the natural mask %2 of class %3; the network comes from the mask given, %4.</source>
        <translation>%1 ist die Adresse UND die natürliche Maske %2 der Klasse %3; das Netz ergibt sich aus der gegebenen Maske, %4.</translation>
    </message>
    <message>
        <source>%1 is the network of a neighbouring block; the blocks are %2 addresses long, and %3 lies in the block from %4 to %5.</source>
        <translation>%1 ist das Netz eines Nachbarblocks; die Blöcke sind %2 Adressen lang, und %3 liegt im Block von %4 bis %5.</translation>
    </message>
    <message>
        <source>%1 is the last usable host; the broadcast address is the one after it, %2, with every host bit 1.</source>
        <translation>%1 ist der letzte nutzbare Host; die Broadcast-Adresse ist die danach, %2, mit allen Hostbits auf 1.</translation>
    </message>
    <message>
        <source>%1 is the network address of the next block; the broadcast address is the one before it, %2.</source>
        <translation>%1 ist die Netzadresse des nächsten Blocks; die Broadcast-Adresse ist die davor, %2.</translation>
    </message>
    <message>
        <source>%1 is the broadcast under the natural mask %2 of class %3; the broadcast comes from the mask given, %4.</source>
        <translation>%1 ist der Broadcast unter der natürlichen Maske %2 der Klasse %3; der Broadcast ergibt sich aus der gegebenen Maske, %4.</translation>
    </message>
    <message>
        <source>%1 is the broadcast of a neighbouring block; the blocks are %2 addresses long, and %3 lies in the block from %4 to %5.</source>
        <translation>%1 ist der Broadcast eines Nachbarblocks; die Blöcke sind %2 Adressen lang, und %3 liegt im Block von %4 bis %5.</translation>
    </message>
    <message>
        <source>%1 is subnet zero, whose subnet bits are all zeros; it is reserved, so Subnet 1 is the next one, %2.</source>
        <translation>%1 ist Subnetz null, dessen Subnetzbits alle 0 sind; es ist reserviert, also ist Subnetz 1 das nächste, %2.</translation>
    </message>
    <message>
        <source>%1 is the all-ones subnet, whose subnet bits are all ones; it is reserved, so Subnet N is the one before it, %2.</source>
        <translation>%1 ist das Subnetz aus lauter Einsen, dessen Subnetzbits alle 1 sind; es ist reserviert, also ist Subnetz N das davor, %2.</translation>
    </message>
    <message>
        <source>Class %1 starts with the bits %2; the first octet %3 is %4 in binary, and its leading bits %5 give class %6.</source>
        <translation>Klasse %1 beginnt mit den Bits %2; das erste Oktett %3 ist binär %4, und seine führenden Bits %5 ergeben Klasse %6.</translation>
    </message>
    <message>
        <source>%1 is the number of the mask&apos;s one bits; the network bits are fixed by the class: class %2 has %3.</source>
        <translation>%1 ist die Zahl der Einsbits der Maske; die Netzbits legt die Klasse fest: Klasse %2 hat %3.</translation>
    </message>
    <message>
        <source>%1 counts every one bit of the mask from octet 1; the class&apos;s first %2 bits are its network bits, and only the one bits after them are subnet bits: %3.</source>
        <translation>%1 zählt alle Einsbits der Maske ab Oktett 1; die ersten %2 Bits sind die Netzbits der Klasse, und nur die Einsbits danach sind Subnetzbits: %3.</translation>
    </message>
    <message>
        <source>%1 counts the mask&apos;s one bits from octet %2 on, as for a class of %3 network bits; class %4 has %5, so they count from octet %6 on: %7.</source>
        <translation>%1 zählt die Einsbits der Maske ab Oktett %2, wie bei einer Klasse mit %3 Netzbits; Klasse %4 hat %5, also wird ab Oktett %6 gezählt: %7.</translation>
    </message>
    <message>
        <source>%1 counts every zero bit of the mask; the host bits are those after the class&apos;s and the subnet bits: 32 - %2 - %3 = %4.</source>
        <translation>%1 zählt alle Nullbits der Maske; Hostbits sind die Bits nach den Netzbits der Klasse und den Subnetzbits: 32 - %2 - %3 = %4.</translation>
    </message>
    <message>
        <source>%1 counts every bit after the class&apos;s network bits, from octet %2 on; the %3 subnet bits among them are not host bits: %4.</source>
        <translation>%1 zählt alle Bits nach den Netzbits der Klasse, ab Oktett %2; die %3 Subnetzbits darunter sind keine Hostbits: %4.</translation>
    </message>
    <message>
        <source>%1 counts the host bits of octet 4 alone; they begin in octet %2: %3.</source>
        <translation>%1 zählt nur die Hostbits von Oktett 4; sie beginnen in Oktett %2: %3.</translation>
    </message>
    <message>
        <source>%1 is 2^%2, which counts subnet zero and the all-ones subnet; both are reserved, so 2^%2 - 2 = %3 are usable.</source>
        <translation>%1 ist 2^%2 und zählt Subnetz null und das Subnetz aus lauter Einsen mit; beide sind reserviert, also sind 2^%2 - 2 = %3 nutzbar.</translation>
    </message>
    <message>
        <source>%1 is 2^%2, which counts the network and the broadcast address; neither is a host, so 2^%2 - 2 = %3 are usable.</source>
        <translation>%1 ist 2^%2 und zählt die Netz- und die Broadcast-Adresse mit; keine davon ist ein Host, also sind 2^%2 - 2 = %3 nutzbar.</translation>
    </message>
    <message>
        <source>%1 is 2^%2 - 1, which leaves out only one of the two reserved subnets; both are reserved: 2^%2 - 2 = %3.</source>
        <translation>%1 ist 2^%2 - 1 und lässt nur eines der beiden reservierten Subnetze weg; beide sind reserviert: 2^%2 - 2 = %3.</translation>
    </message>
    <message>
        <source>%1 is 2^%2 - 1, which leaves out only one of the network and the broadcast address; 2^%2 - 2 = %3.</source>
        <translation>%1 ist 2^%2 - 1 und lässt nur eine von Netz- und Broadcast-Adresse weg; 2^%2 - 2 = %3.</translation>
    </message>
    <message>
        <source>%1 is the answer to %2.</source>
        <translation>%1 ist die Antwort auf %2.</translation>
    </message>
    <message>
        <source>Step %1 of the working, %2, shows it.</source>
        <translation>Schritt %1 des Rechenwegs, %2, zeigt es.</translation>
    </message>
    <message numerus="yes">
        <source>Score: %n of %1 answers right</source>
        <translation>
            <numerusform>Ergebnis: %n von %1 Antworten richtig</numerusform>
            <numerusform>Ergebnis: %n von %1 Antworten richtig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Score: %n of %1 answers right, %2 not answered</source>
        <translation>
            <numerusform>Ergebnis: %n von %1 Antworten richtig, %2 nicht beantwortet</numerusform>
            <numerusform>Ergebnis: %n von %1 Antworten richtig, %2 nicht beantwortet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n of %2 right</source>
        <translation>
            <numerusform>%1: %n von %2 richtig</numerusform>
            <numerusform>%1: %n von %2 richtig</numerusform>
        </translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1?</source>
        <translation>%1?</translation>
    </message>
    <message>
        <source>no subnet</source>
        <translation>kein Subnetz</translation>
    </message>
    <message>
        <source>no hosts</source>
        <translation>keine Hosts</translation>
    </message>
    <message>
        <source>no host</source>
        <translation>kein Host</translation>
    </message>
    <message>
        <source>Octaval practice: seed %1, classes %2, level %3 (%4)</source>
        <translation>Octaval-Übung: Seed %1, Klassen %2, Stufe %3 (%4)</translation>
    </message>
    <message>
        <source>Problem %1: IP address %2, subnet mask %3</source>
        <translation>Aufgabe %1: IP-Adresse %2, Netzmaske %3</translation>
    </message>
    <message>
        <source>Problem %1 of %2: IP address %3, subnet mask %4</source>
        <translation>Aufgabe %1 von %2: IP-Adresse %3, Netzmaske %4</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Answer each question and press Enter; an empty line skips it, &quot;?&quot; shows the working. The end of the input (Ctrl+D) ends the session.</source>
        <translation>Beantworten Sie jede Frage und drücken Sie die Eingabetaste; eine leere Zeile überspringt sie, „?“ zeigt den Rechenweg. Das Ende der Eingabe (Strg+D) beendet die Übung.</translation>
    </message>
    <message>
        <source>The status message may be given by its number:</source>
        <translation>Die Statusmeldung kann mit ihrer Nummer angegeben werden:</translation>
    </message>
    <message>
        <source>(1 to 9 or the text)</source>
        <translation>(1 bis 9 oder der Text)</translation>
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
    <message numerus="yes">
        <source>%n bits, Class %1</source>
        <translation>
            <numerusform>%n Bit, Klasse %1</numerusform>
            <numerusform>%n Bits, Klasse %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bits, no subnets</source>
        <translation>
            <numerusform>%n Bit, keine Subnetze</numerusform>
            <numerusform>%n Bits, keine Subnetze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bits, %1 subnets</source>
        <translation>
            <numerusform>%n Bit, %1 Subnetze</numerusform>
            <numerusform>%n Bits, %1 Subnetze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bits, %1 hosts</source>
        <translation>
            <numerusform>%n Bit, %1 Hosts</numerusform>
            <numerusform>%n Bits, %1 Hosts</numerusform>
        </translation>
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
    <name>Window</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>&apos;|&apos; between %1, %2 and %3</source>
        <translation>„|“ zwischen %1, %2 und %3</translation>
    </message>
    <message>
        <source>the class&apos;s network bits (%1)</source>
        <translation>den Netzbits der Klasse (%1)</translation>
    </message>
    <message>
        <source>the subnet bits (%1)</source>
        <translation>den Subnetzbits (%1)</translation>
    </message>
    <message>
        <source>the host bits (%1)</source>
        <translation>den Hostbits (%1)</translation>
    </message>
    <message>
        <source>class %1 has no network, subnet and host fields</source>
        <translation>Klasse %1 hat keine Netz-, Subnetz- und Hostfelder</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1, read as %2</source>
        <translation>%1, gelesen als %2</translation>
    </message>
    <message>
        <source>The press stops at the check of reading the address.</source>
        <translation>Die Berechnung endet bei der Prüfung, ob sich die Adresse lesen lässt.</translation>
    </message>
    <message>
        <source>The press stops at the check of reading the mask.</source>
        <translation>Die Berechnung endet bei der Prüfung, ob sich die Maske lesen lässt.</translation>
    </message>
    <message>
        <source>The press stops at the check of the address.</source>
        <translation>Die Berechnung endet bei der Prüfung der Adresse.</translation>
    </message>
    <message>
        <source>The press stops at the check of the mask&apos;s octet values.</source>
        <translation>Die Berechnung endet bei der Prüfung der Oktettwerte der Maske.</translation>
    </message>
    <message>
        <source>The press stops at the check of the mask versus the class.</source>
        <translation>Die Berechnung endet bei der Prüfung, ob die Maske zur Klasse passt.</translation>
    </message>
    <message>
        <source>The press stops at the check of the mask&apos;s shape.</source>
        <translation>Die Berechnung endet bei der Prüfung der Form der Maske.</translation>
    </message>
    <message>
        <source>octet %1, %2, is beyond the number range</source>
        <translation>Oktett %1, %2, liegt außerhalb des Zahlenbereichs</translation>
    </message>
    <message>
        <source>octet 4, %1, reads as %2, beyond the range -32768 to 32767 in which its bits are taken</source>
        <translation>Oktett 4, %1, wird als %2 gelesen, außerhalb des Bereichs -32768 bis 32767, in dem seine Bits genommen werden</translation>
    </message>
    <message>
        <source>Every text is read as a number before the checks. Here %1.</source>
        <translation>Jeder Text wird vor den Prüfungen als Zahl gelesen. Hier: %1.</translation>
    </message>
    <message>
        <source>octet %1, %2, is above 255</source>
        <translation>Oktett %1, %2, ist größer als 255</translation>
    </message>
    <message>
        <source>octet %1, %2, is below 0</source>
        <translation>Oktett %1, %2, ist kleiner als 0</translation>
    </message>
    <message>
        <source>octet %1, %2, is not a whole number</source>
        <translation>Oktett %1, %2, ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>octet %1, %2, is 0</source>
        <translation>Oktett %1, %2, ist 0</translation>
    </message>
    <message>
        <source>Every octet of the address must be a whole number from 0 to 255, and the first must not be 0. Here %1.</source>
        <translation>Jedes Oktett der Adresse muss eine ganze Zahl von 0 bis 255 sein, und das erste darf nicht 0 sein. Hier: %1.</translation>
    </message>
    <message>
        <source>octet %1, %2, is none of them</source>
        <translation>Oktett %1, %2, ist keiner davon</translation>
    </message>
    <message>
        <source>Every octet of the mask must be one of 255, 254, 252, 248, 240, 224, 192, 128 and 0, the octets of one bits followed by zero bits. Here %1.</source>
        <translation>Jedes Oktett der Maske muss einer der Werte 255, 254, 252, 248, 240, 224, 192, 128 und 0 sein, also Einsbits gefolgt von Nullbits. Hier: %1.</translation>
    </message>
    <message>
        <source>octet 2 (%1) is below octet 1 (%2), and then octets 3 and 4 must not both be above 0; they are %3 and %4</source>
        <translation>Oktett 2 (%1) ist kleiner als Oktett 1 (%2), und dann dürfen die Oktette 3 und 4 nicht beide größer als 0 sein; sie sind %3 und %4</translation>
    </message>
    <message>
        <source>octet 3 (%1) is below octet 2 (%2), and then octet 4 must be 0; it is %3</source>
        <translation>Oktett 3 (%1) ist kleiner als Oktett 2 (%2), und dann muss Oktett 4 0 sein; es ist %3</translation>
    </message>
    <message>
        <source>octet 1 is %1, not 255</source>
        <translation>Oktett 1 ist %1, nicht 255</translation>
    </message>
    <message>
        <source>octet %1 (%2) is above octet %3 (%4)</source>
        <translation>Oktett %1 (%2) ist größer als Oktett %3 (%4)</translation>
    </message>
    <message>
        <source>A mask starts with 255 and its octets never rise from left to right; below a 255 only the last octet may fall again to 0 (255.a.b.0). Here %1.</source>
        <translation>Eine Maske beginnt mit 255, und ihre Oktette steigen von links nach rechts nie an; unter einer 255 darf nur das letzte Oktett wieder auf 0 fallen (255.a.b.0). Hier: %1.</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Classes D and E have no network, subnet and host fields: no subnet bits, and the findings look at the whole address, bits 1 to 32, as its host field.</source>
        <translation>Die Klassen D und E haben keine Netz-, Subnetz- und Hostfelder: keine Subnetzbits, und die Befunde betrachten die ganze Adresse, Bits 1 bis 32, als ihr Hostfeld.</translation>
    </message>
    <message>
        <source>The first octet, %1, is %2 in binary.</source>
        <translation>Das erste Oktett, %1, ist binär %2.</translation>
    </message>
    <message>
        <source>Its leading bits %1 give class %2 (first octet %3 to %4): %5.</source>
        <translation>Seine führenden Bits %1 ergeben Klasse %2 (erstes Oktett %3 bis %4): %5.</translation>
    </message>
    <message>
        <source>Natural mask</source>
        <translation>Natürliche Maske</translation>
    </message>
    <message>
        <source>Class %1&apos;s natural mask is %2: one bits for its %3 network bits.</source>
        <translation>Die natürliche Maske der Klasse %1 ist %2: Einsbits für ihre %3 Netzbits.</translation>
    </message>
    <message>
        <source>The mask %1 has no one bits beyond the class&apos;s %2: no subnet bits.</source>
        <translation>Die Maske %1 hat keine Einsbits über die %2 der Klasse hinaus: keine Subnetzbits.</translation>
    </message>
    <message>
        <source>octet %1, %2 = %3, gives %4</source>
        <translation>Oktett %1, %2 = %3, ergibt %4</translation>
    </message>
    <message>
        <source>The rest are host bits: 32 - %1 - %2 = %3.</source>
        <translation>Der Rest sind Hostbits: 32 - %1 - %2 = %3.</translation>
    </message>
    <message>
        <source>Subnet and host bits</source>
        <translation>Subnetz- und Hostbits</translation>
    </message>
    <message>
        <source>Without subnet bits the network is not subnetted: %1.</source>
        <translation>Ohne Subnetzbits ist das Netz nicht in Subnetze geteilt: %1.</translation>
    </message>
    <message>
        <source>Hosts</source>
        <translation>Hosts</translation>
    </message>
    <message>
        <source>%1 - 2 = %2 usable hosts in each subnet: host bits all zeros name the subnet itself, all ones its broadcast address.</source>
        <translation>%1 - 2 = %2 nutzbare Hosts in jedem Subnetz: Hostbits mit nur Nullen bezeichnen das Subnetz selbst, mit nur Einsen seine Broadcast-Adresse.</translation>
    </message>
    <message>
        <source>subnet %1 is %2</source>
        <translation>Subnetz %1 ist %2</translation>
    </message>
    <message>
        <source>Block size</source>
        <translation>Blockgröße</translation>
    </message>
    <message>
        <source>The mask&apos;s subnet bits are not one run of bits, so the subnets do not follow each other in steps of one size: %1.</source>
        <translation>Die Subnetzbits der Maske bilden keine zusammenhängende Folge, daher folgen die Subnetze nicht in gleich großen Schritten aufeinander: %1.</translation>
    </message>
    <message>
        <source>The last subnet bit has the value %1 in octet %2, so the subnets follow each other in steps of %1 there: %3 and so on.</source>
        <translation>Das letzte Subnetzbit hat in Oktett %2 den Wert %1, daher folgen die Subnetze dort in Schritten von %1 aufeinander: %3 und so weiter.</translation>
    </message>
    <message>
        <source>The last subnet bit has the value %1 in octet %2, so the subnets follow each other in steps of %1 there: %3.</source>
        <translation>Das letzte Subnetzbit hat in Oktett %2 den Wert %1, daher folgen die Subnetze dort in Schritten von %1 aufeinander: %3.</translation>
    </message>
    <message>
        <source>The address&apos;s subnet bits read %1: subnet %2 of 0 to %3, reserved (all zeros).</source>
        <translation>Die Subnetzbits der Adresse lauten %1: Subnetz %2 von 0 bis %3, reserviert (nur Nullen).</translation>
    </message>
    <message>
        <source>The address&apos;s subnet bits read %1: subnet %2 of 0 to %3, reserved (all ones).</source>
        <translation>Die Subnetzbits der Adresse lauten %1: Subnetz %2 von 0 bis %3, reserviert (nur Einsen).</translation>
    </message>
    <message>
        <source>The address&apos;s subnet bits read %1: subnet %2 of 0 to %3, not reserved.</source>
        <translation>Die Subnetzbits der Adresse lauten %1: Subnetz %2 von 0 bis %3, nicht reserviert.</translation>
    </message>
    <message>
        <source>The address&apos;s subnet</source>
        <translation>Das Subnetz der Adresse</translation>
    </message>
    <message>
        <source>The network Or the inverted mask: %1 Or %2 = %3, the bits that the mask leaves all set to 1.</source>
        <translation>Das Netz ODER die invertierte Maske: %1 ODER %2 = %3, die Bits, die die Maske freilässt, alle auf 1 gesetzt.</translation>
    </message>
    <message>
        <source>First and last subnet</source>
        <translation>Erstes und letztes Subnetz</translation>
    </message>
    <message>
        <source>Without subnet bits there are no subnets: the rows Subnet 1 and Subnet N stay empty.</source>
        <translation>Ohne Subnetzbits gibt es keine Subnetze: die Zeilen Subnetz 1 und Subnetz N bleiben leer.</translation>
    </message>
    <message>
        <source>With one subnet bit both subnets are reserved: there is no usable subnet, and the rows Subnet 1 and Subnet N stay empty.</source>
        <translation>Mit einem Subnetzbit sind beide Subnetze reserviert: es gibt kein nutzbares Subnetz, und die Zeilen Subnetz 1 und Subnetz N bleiben leer.</translation>
    </message>
    <message>
        <source>The network with bits %1 to %2 set to %3 and to %4: subnet 1 is %5 and subnet %6 is %7 (the rows Subnet 1 and Subnet N).</source>
        <translation>Das Netz mit den Bits %1 bis %2 auf %3 und auf %4 gesetzt: Subnetz 1 ist %5 und Subnetz %6 ist %7 (die Zeilen Subnetz 1 und Subnetz N).</translation>
    </message>
    <message>
        <source>The network with bits %1 to %2 set to %3 and to %4: subnet 1 is %5 and subnet %6 is %7 (the rows Subnet 1 and Subnet N). With this mask those are not the mask&apos;s own subnet bits, which number the subnets above (subnet 1 is %8).</source>
        <translation>Das Netz mit den Bits %1 bis %2 auf %3 und auf %4 gesetzt: Subnetz 1 ist %5 und Subnetz %6 ist %7 (die Zeilen Subnetz 1 und Subnetz N). Bei dieser Maske sind das nicht die eigenen Subnetzbits der Maske, die die Subnetze oben nummerieren (Subnetz 1 ist %8).</translation>
    </message>
    <message>
        <source>bit %1, reads %2: all zeros, %3</source>
        <translation>Bit %1, lautet %2: nur Nullen, %3</translation>
    </message>
    <message>
        <source>bit %1, reads %2: all ones, %3</source>
        <translation>Bit %1, lautet %2: nur Einsen, %3</translation>
    </message>
    <message>
        <source>bits %1 to %2, reads %3: all zeros, %4</source>
        <translation>Bits %1 bis %2, lautet %3: nur Nullen, %4</translation>
    </message>
    <message>
        <source>bits %1 to %2, reads %3: all ones, %4</source>
        <translation>Bits %1 bis %2, lautet %3: nur Einsen, %4</translation>
    </message>
    <message>
        <source>bits %1 to %2, reads %3: neither all zeros nor all ones</source>
        <translation>Bits %1 bis %2, lautet %3: weder nur Nullen noch nur Einsen</translation>
    </message>
    <message>
        <source>The subnet field of the network, %1.</source>
        <translation>Das Subnetzfeld des Netzes, %1.</translation>
    </message>
    <message>
        <source>The mask leaves no host bits: %1, and the press ends there: the Network, Subnet and Host lines and the rows Subnet 1 and Subnet N stay empty.</source>
        <translation>Die Maske lässt keine Hostbits übrig: %1, und die Berechnung endet dort: die Zeilen Netz, Subnetz und Host sowie die Zeilen Subnetz 1 und Subnetz N bleiben leer.</translation>
    </message>
    <message>
        <source>The host field of the address, %1.</source>
        <translation>Das Hostfeld der Adresse, %1.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>The status is %1, and every output box stays empty.</source>
        <translation>Der Status ist %1, und alle Ausgabefelder bleiben leer.</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <translation>%1. %2: %3</translation>
    </message>
    <message>
        <source>Working of %1 %2: %3</source>
        <translation>Rechenweg für %1 %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>Its leading bits %1 give class %2 (first octet %3 to %4), whose network is the first %5 bits of the address.</source>
        <comment>Its leading bit %1 gives class %2 (first octet %3 to %4), whose network is the first %5 bits of the address.</comment>
        <translation>
            <numerusform>Sein führendes Bit %1 ergibt Klasse %2 (erstes Oktett %3 bis %4), deren Netz die ersten %5 Bits der Adresse sind.</numerusform>
            <numerusform>Seine führenden Bits %1 ergeben Klasse %2 (erstes Oktett %3 bis %4), deren Netz die ersten %5 Bits der Adresse sind.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - 2 = %2 usable subnets: the subnets whose subnet bits are all zeros or all ones are reserved. Where subnet zero and the all-ones subnet may be used, %1 = %3 subnets.</source>
        <comment>%1 - 2 = %2 usable subnets: the subnets whose subnet bits are all zeros or all ones are reserved (with one subnet bit, both of them). Where subnet zero and the all-ones subnet may be used, %1 = %3 subnets.</comment>
        <translation>
            <numerusform>%1 - 2 = %2 nutzbare Subnetze: Die Subnetze, deren Subnetzbits nur Nullen oder nur Einsen sind, sind reserviert (bei einem Subnetzbit beide). Wo Subnetz null und das Subnetz mit nur Einsen genutzt werden dürfen, gibt es %1 = %3 Subnetze.</numerusform>
            <numerusform>%1 - 2 = %2 nutzbare Subnetze: Die Subnetze, deren Subnetzbits nur Nullen oder nur Einsen sind, sind reserviert. Wo Subnetz null und das Subnetz mit nur Einsen genutzt werden dürfen, gibt es %1 = %3 Subnetze.</numerusform>
        </translation>
    </message>
    <message>
        <source>an empty box reads as 0</source>
        <translation>ein leeres Feld wird als 0 gelesen</translation>
    </message>
    <message>
        <source>blanks are skipped</source>
        <translation>Leerzeichen werden übergangen</translation>
    </message>
    <message>
        <source>&amp;H starts a hexadecimal number</source>
        <translation>&amp;H leitet eine Hexadezimalzahl ein</translation>
    </message>
    <message>
        <source>&amp;O starts an octal number</source>
        <translation>&amp;O leitet eine Oktalzahl ein</translation>
    </message>
    <message>
        <source>the letter %1 starts a power of ten</source>
        <translation>der Buchstabe %1 leitet eine Zehnerpotenz ein</translation>
    </message>
    <message>
        <source>it does not start with a number, so it reads as 0</source>
        <translation>es beginnt nicht mit einer Zahl und wird daher als 0 gelesen</translation>
    </message>
    <message>
        <source>reading stops at %1, which cannot continue the number</source>
        <translation>das Lesen endet bei %1, das die Zahl nicht fortsetzen kann</translation>
    </message>
    <message>
        <source>written otherwise, it is the same number</source>
        <translation>anders geschrieben, ist es dieselbe Zahl</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Octet %1 of the address, %2, reads as %3: %4.</source>
        <translation>Oktett %1 der Adresse, %2, wird als %3 gelesen: %4.</translation>
    </message>
    <message>
        <source>Octet %1 of the mask, %2, reads as %3: %4.</source>
        <translation>Oktett %1 der Maske, %2, wird als %3 gelesen: %4.</translation>
    </message>
    <message numerus="yes">
        <source>For a first octet above %1 and below %2, as %3 is, the mask must have a 255 among its first %n octets. The mask %4 has none.</source>
        <comment>For a first octet above %1 and below %2, as %3 is, the mask&apos;s first octet must be 255. The mask %4 has another.</comment>
        <translation>
            <numerusform>Bei einem ersten Oktett über %1 und unter %2, wie %3, muss das erste Oktett der Maske 255 sein. Die Maske %4 hat dort einen anderen Wert.</numerusform>
            <numerusform>Bei einem ersten Oktett über %1 und unter %2, wie %3, muss unter den ersten %n Oktetten der Maske eine 255 sein. Die Maske %4 hat keine.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A single 255 there is enough: the check does not ask the mask to cover the class&apos;s network bits, which the class fixes whatever the mask.</source>
        <comment>That is the whole rule: the check asks nothing of the mask&apos;s other octets.</comment>
        <translation>
            <numerusform>Das ist die ganze Regel: Die Prüfung verlangt nichts von den übrigen Oktetten der Maske.</numerusform>
            <numerusform>Eine einzige 255 dort genügt: Die Prüfung verlangt nicht, dass die Maske die Netzbits der Klasse abdeckt; die legt die Klasse fest, wie auch immer die Maske lautet.</numerusform>
        </translation>
    </message>
    <message>
        <source>The mask %1 is shorter than class %2&apos;s %3 network bits; the class still fixes them.</source>
        <translation>Die Maske %1 ist kürzer als die %3 Netzbits der Klasse %2; die Klasse legt sie trotzdem fest.</translation>
    </message>
    <message>
        <source>Beyond them the mask has no one bits: no subnet bits.</source>
        <translation>Danach hat die Maske keine Einsbits: keine Subnetzbits.</translation>
    </message>
    <message numerus="yes">
        <source>Beyond them the mask has %1 one bits (%2): these are the subnet bits.</source>
        <comment>Beyond them the mask has %1 one bit (%2): this is the subnet bit.</comment>
        <translation>
            <numerusform>Danach hat die Maske %1 Einsbit (%2): das ist das Subnetzbit.</numerusform>
            <numerusform>Danach hat die Maske %1 Einsbits (%2): das sind die Subnetzbits.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The mask %1 has %2 one bits beyond the class&apos;s %3 (%4): these are the subnet bits.</source>
        <comment>The mask %1 has %2 one bit beyond the class&apos;s %3 (%4): this is the subnet bit.</comment>
        <translation>
            <numerusform>Die Maske %1 hat %2 Einsbit nach den %3 der Klasse (%4): das ist das Subnetzbit.</numerusform>
            <numerusform>Die Maske %1 hat %2 Einsbits nach den %3 der Klasse (%4): das sind die Subnetzbits.</numerusform>
        </translation>
    </message>
    <message>
        <source>The press tests fields of these lengths right after the class&apos;s bits: bits %1 to %2 as the subnet field and bits %3 to 32 as the host field. With this mask they are not where its one bits lie, which the bit rows mark: the press&apos;s fields decide the status and the rows Subnet 1 and Subnet N, the mask&apos;s bits the network and the broadcast.</source>
        <translation>Die Berechnung prüft Felder dieser Längen direkt nach den Bits der Klasse: die Bits %1 bis %2 als Subnetzfeld und die Bits %3 bis 32 als Hostfeld. Bei dieser Maske liegen sie nicht dort, wo ihre Einsbits stehen, die die Bitzeilen markieren: Die Felder der Berechnung bestimmen den Status und die Zeilen Subnetz 1 und Subnetz N, die Bits der Maske das Netz und den Broadcast.</translation>
    </message>
    <message>
        <source>%1 - 2 = %2 usable hosts in the network: host bits all zeros name the network itself, all ones its broadcast address.</source>
        <translation>%1 - 2 = %2 nutzbare Hosts im Netz: Hostbits mit nur Nullen bezeichnen das Netz selbst, mit nur Einsen seine Broadcast-Adresse.</translation>
    </message>
    <message>
        <source>The press, though, reads the network&apos;s bits %1 to %2, %3: all zeros, so it takes the address&apos;s subnet as reserved (all zeros).</source>
        <translation>Die Berechnung liest jedoch die Bits %1 bis %2 des Netzes, %3: nur Nullen, also gilt das Subnetz der Adresse als reserviert (nur Nullen).</translation>
    </message>
    <message>
        <source>The press, though, reads the network&apos;s bits %1 to %2, %3: all ones, so it takes the address&apos;s subnet as reserved (all ones).</source>
        <translation>Die Berechnung liest jedoch die Bits %1 bis %2 des Netzes, %3: nur Einsen, also gilt das Subnetz der Adresse als reserviert (nur Einsen).</translation>
    </message>
    <message>
        <source>The press, though, reads the network&apos;s bits %1 to %2, %3: neither all zeros nor all ones, so it takes the address&apos;s subnet as not reserved.</source>
        <translation>Die Berechnung liest jedoch die Bits %1 bis %2 des Netzes, %3: weder nur Nullen noch nur Einsen, also gilt das Subnetz der Adresse als nicht reserviert.</translation>
    </message>
    <message>
        <source>The address&apos;s bits under the mask&apos;s subnet bits read %1: subnet %2 of 0 to %3 in the list of every subnet.</source>
        <translation>Die Bits der Adresse unter den Subnetzbits der Maske lauten %1: Subnetz %2 von 0 bis %3 in der Liste aller Subnetze.</translation>
    </message>
    <message>
        <source>The address And the mask: %1 And %2 = %3, each bit 1 only where both are 1; this is the network address, which the row Subnet shows. The mask being shorter than the class clears network bits too, where the class&apos;s network bits and the subnet bits alone give %4.</source>
        <translation>Die Adresse UND die Maske: %1 UND %2 = %3, jedes Bit nur dort 1, wo beide 1 sind; das ist die Netzadresse, die die Zeile Subnetz zeigt. Da die Maske kürzer ist als die Klasse, löscht sie auch Netzbits, wo die Netzbits der Klasse und die Subnetzbits allein %4 ergeben.</translation>
    </message>
    <message>
        <source>The address And the mask: %1 And %2 = %3, each bit 1 only where both are 1; this is the network address, which the row Subnet shows.</source>
        <translation>Die Adresse UND die Maske: %1 UND %2 = %3, jedes Bit nur dort 1, wo beide 1 sind; das ist die Netzadresse, die die Zeile Subnetz zeigt.</translation>
    </message>
    <message>
        <source>The later finding replaces the earlier one: the status is %1.</source>
        <translation>Der spätere Befund ersetzt den früheren: Der Status ist %1.</translation>
    </message>
    <message>
        <source>The status is %1.</source>
        <translation>Der Status ist %1.</translation>
    </message>
    <message>
        <source>With no finding the status stays %1.</source>
        <translation>Ohne Befund bleibt der Status %1.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
</context>
<context>
    <name>octaval::frmAbout</name>
    <message>
        <source>© 2026 the Octaval developers. Licence GPL-3.0-or-later, terms in LICENSE beside the program. More in README.md.</source>
        <translation>© 2026 die Octaval-Entwickler. Lizenziert unter GPL-3.0-or-later; die Bedingungen stehen in LICENSE neben dem Programm. Mehr in README.md.</translation>
    </message>
    <message>
        <source>© 2026 the Octaval developers. Licence GPL-3.0-or-later, terms in
/usr/share/doc/octaval/copyright
More in octaval(1) and the README.</source>
        <translation>© 2026 die Octaval-Entwickler. Lizenz: GPL-3.0-or-later, Bedingungen in
/usr/share/doc/octaval/copyright
Mehr in octaval(1) und in der README.</translation>
    </message>
    <message>
        <source>Free to share and use. The author accepts no responsibility for any damage or loss of data it may cause.</source>
        <translation>Darf frei weitergegeben und verwendet werden. Der Autor haftet nicht für Schäden oder Datenverluste durch das Programm.</translation>
    </message>
    <message>
        <source>%1 %2 calculates subnet and broadcast address via given IP address and subnet mask.</source>
        <translation>%1 %2 berechnet Subnetz- und Broadcast-Adresse aus IP-Adresse und Subnetzmaske.</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>the button that closes the window</comment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>octaval::frmMain</name>
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
    <message>
        <source>Ctrl+P: practice</source>
        <translation>Strg+P: üben</translation>
    </message>
</context>
<context>
    <name>octaval::frmPractice</name>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
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
        <source>Cla&amp;sses</source>
        <translation>&amp;Klassen</translation>
    </message>
    <message>
        <source>The last session: %1.</source>
        <translation>Die letzte Runde: %1.</translation>
    </message>
    <message>
        <source>Problem %1 of %2</source>
        <translation>Aufgabe %1 von %2</translation>
    </message>
    <message>
        <source>Counted at the first check of each problem</source>
        <translation>Gezählt bei der ersten Prüfung jeder Aufgabe</translation>
    </message>
    <message>
        <source>&amp;Print worksheet…</source>
        <translation>Arbeitsblatt &amp;drucken…</translation>
    </message>
    <message>
        <source>Print worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>Add the answer key, on a page of its own after the problems?</source>
        <translation>Die Lösungen auf einer eigenen Seite nach den Aufgaben anfügen?</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language tag of this translation, for the printed worksheet</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>Save the worksheet as PDF</source>
        <translation>Arbeitsblatt als PDF speichern</translation>
    </message>
    <message>
        <source>worksheet.pdf</source>
        <comment>the file name offered</comment>
        <translation>Arbeitsblatt.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>octaval::frmSubnets</name>
    <message>
        <source>none</source>
        <translation>keiner</translation>
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
        <translation>Strg+F: suchen; Eingabetaste wählt die Zeile aus</translation>
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
        <translation>reserviert, nur Nullen</translation>
    </message>
    <message>
        <source>reserved, all ones</source>
        <translation>reserviert, nur Einsen</translation>
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
    <message numerus="yes">
        <source>%n subnets</source>
        <comment>%n subnet</comment>
        <translation>
            <numerusform>%n Subnetz</numerusform>
            <numerusform>%n Subnetze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n usable</source>
        <translation>
            <numerusform>%n nutzbar</numerusform>
            <numerusform>%n nutzbar</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 of the class %3 network %4 under %5</source>
        <translation>%1 des Klasse-%3-Netzes %4 mit Maske %5, davon %2</translation>
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
        <source>%1 in binary</source>
        <translation>%1 binär</translation>
    </message>
    <message>
        <source>Legend: </source>
        <translation>Legende: </translation>
    </message>
    <message>
        <source>Step %1 of %2: %3. %4</source>
        <translation>Schritt %1 von %2: %3. %4</translation>
    </message>
</context>
<context>
    <name>octaval::web</name>
    <message>
        <source>No working yet: press Recalculate first.</source>
        <translation>Noch kein Rechenweg: zuerst „Berechnen“ drücken.</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>with the answer key on a page of its own</source>
        <translation>mit den Lösungen auf einer eigenen Seite</translation>
    </message>
    <message>
        <source>No subnets to list: press Recalculate first</source>
        <translation>Keine Subnetze: zuerst „Berechnen“ drücken</translation>
    </message>
    <message>
        <source>The link #%1 names no press: %2</source>
        <translation>Der Link #%1 nennt keine Berechnung: %2</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615, not “%1”</source>
        <translation>Der Seed ist eine ganze Zahl von 0 bis 18446744073709551615, nicht „%1“</translation>
    </message>
    <message>
        <source>a part has more than three characters</source>
        <translation>ein Teil hat mehr als drei Zeichen</translation>
    </message>
</context>
</TS>
