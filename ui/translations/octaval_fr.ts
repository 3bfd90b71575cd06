<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Practice</name>
    <message>
        <source>Network (subnet) address</source>
        <translation>Adresse du réseau (sous-réseau)</translation>
    </message>
    <message>
        <source>Broadcast address</source>
        <translation>Adresse de diffusion</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Network bits of the class</source>
        <translation>Bits réseau de la classe</translation>
    </message>
    <message>
        <source>Subnet bits</source>
        <translation>Bits de sous-réseau</translation>
    </message>
    <message>
        <source>Host bits</source>
        <translation>Bits d’hôte</translation>
    </message>
    <message>
        <source>Usable subnets</source>
        <translation>Sous-réseaux utilisables</translation>
    </message>
    <message>
        <source>Usable hosts per subnet</source>
        <translation>Hôtes utilisables par sous-réseau</translation>
    </message>
    <message>
        <source>First usable subnet (Subnet 1)</source>
        <translation>Premier sous-réseau utilisable (sous-réseau 1)</translation>
    </message>
    <message>
        <source>Last usable subnet (Subnet N)</source>
        <translation>Dernier sous-réseau utilisable (sous-réseau N)</translation>
    </message>
    <message>
        <source>Status message</source>
        <translation>Message d’état</translation>
    </message>
    <message>
        <source>Natural masks only</source>
        <translation>Masques naturels seulement</translation>
    </message>
    <message>
        <source>Contiguous masks</source>
        <translation>Masques contigus</translation>
    </message>
    <message>
        <source>Any mask the checks accept</source>
        <translation>Tout masque que les contrôles acceptent</translation>
    </message>
    <message>
        <source>Spot the fault</source>
        <translation>Trouvez l’erreur</translation>
    </message>
    <message>
        <source>no subnets</source>
        <translation>aucun sous-réseau</translation>
    </message>
    <message>
        <source>no hosts</source>
        <translation>aucun hôte</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong, expected %1</source>
        <translation>faux, attendu : %1</translation>
    </message>
</context>
<context>
    <name>Result</name>
    <message>
        <source>Multicast, Class D</source>
        <translation>Multidiffusion, classe D</translation>
    </message>
    <message>
        <source>Research, Class E</source>
        <translation>Recherche, classe E</translation>
    </message>
    <message>
        <source>%1 bits, Class %2</source>
        <translation>%1 bits, classe %2</translation>
    </message>
    <message>
        <source>%1 bits, no subnets</source>
        <translation>%1 bits, aucun sous-réseau</translation>
    </message>
    <message>
        <source>%1 bits, %2 subnets</source>
        <translation>%1 bits, %2 sous-réseaux</translation>
    </message>
    <message>
        <source>%1 bits, %2 hosts</source>
        <translation>%1 bits, %2 hôtes</translation>
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
        <translation>Adresse IP non valide</translation>
    </message>
    <message>
        <source>Illegal subnet mask</source>
        <translation>Masque de sous-réseau non valide</translation>
    </message>
    <message>
        <source>Illegal subnet mask versus network class</source>
        <translation>Masque de sous-réseau incompatible avec la classe du réseau</translation>
    </message>
    <message>
        <source>Illegal subnet (all zeros) or use subnet-zero</source>
        <translation>Sous-réseau non valide (que des zéros) ou utiliser subnet-zero</translation>
    </message>
    <message>
        <source>Illegal subnet (all ones)</source>
        <translation>Sous-réseau non valide (que des uns)</translation>
    </message>
    <message>
        <source>No host(s)</source>
        <translation>Aucun hôte</translation>
    </message>
    <message>
        <source>Illegal host ip address (all zeros = network)</source>
        <translation>Adresse IP d&apos;hôte non valide (que des zéros = réseau)</translation>
    </message>
    <message>
        <source>Illegal host ip address (all ones = broadcast)</source>
        <translation>Adresse IP d&apos;hôte non valide (que des uns = diffusion)</translation>
    </message>
</context>
<context>
    <name>octaval::frmAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>© 2026 the Octaval developers. Licence GPL-3.0-or-later, terms in LICENSE beside the program. More in README.md.</source>
        <translation>© 2026 les développeurs d&apos;Octaval. Licence GPL-3.0-or-later, termes dans LICENSE à côté du programme. Plus dans README.md.</translation>
    </message>
    <message>
        <source>© 2026 the Octaval developers. Licence GPL-3.0-or-later, terms in
/usr/share/doc/octaval/copyright
More in octaval(1) and the README.</source>
        <translation>© 2026 les développeurs d&apos;Octaval. Licence GPL-3.0-or-later, termes dans
/usr/share/doc/octaval/copyright
Plus dans octaval(1) et le README.</translation>
    </message>
    <message>
        <source>Free to share and use. The author accepts no responsibility for any damage or loss of data it may cause.</source>
        <translation>Libre à partager et à utiliser. L&apos;auteur décline toute responsabilité pour les dommages ou pertes de données causés.</translation>
    </message>
    <message>
        <source>%1 %2 calculates subnet and broadcast address via given IP address and subnet mask.</source>
        <translation>%1 %2 calcule l&apos;adresse de sous-réseau et de diffusion à partir de l&apos;adresse IP et du masque.</translation>
    </message>
</context>
<context>
    <name>octaval::frmMain</name>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Masque</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>Sous-réseau</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Diffusion</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Subnet 1</source>
        <translation>S.-réseau 1</translation>
    </message>
    <message>
        <source>Subnet N</source>
        <translation>S.-réseau N</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Recalculate</source>
        <translation>Recalculer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>%1, octet %2</source>
        <translation>%1, octet %2</translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation>Copier les résultats</translation>
    </message>
    <message>
        <source>Every subnet…</source>
        <translation>Tous les sous-réseaux…</translation>
    </message>
    <message>
        <source>Show the working…</source>
        <translation>Montrer le calcul…</translation>
    </message>
    <message>
        <source>Practice…</source>
        <translation>Exercices…</translation>
    </message>
    <message>
        <source>Ctrl+L: every subnet</source>
        <translation>Ctrl+L : tous les sous-réseaux</translation>
    </message>
    <message>
        <source>Ctrl+B: show the working</source>
        <translation>Ctrl+B : montrer le calcul</translation>
    </message>
</context>
<context>
    <name>octaval::frmPractice</name>
    <message>
        <source>Practice</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Classes</translation>
    </message>
    <message>
        <source>Class %1</source>
        <translation>Classe %1</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Problem IP address</source>
        <translation>Adresse IP de l&apos;exercice</translation>
    </message>
    <message>
        <source>Problem subnet mask</source>
        <translation>Masque de sous-réseau de l&apos;exercice</translation>
    </message>
    <message>
        <source>%1, octet %2</source>
        <translation>%1, octet %2</translation>
    </message>
    <message>
        <source>%1, mark</source>
        <translation>%1, correction</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>&amp;Next problem</source>
        <translation>Exercice &amp;suivant</translation>
    </message>
    <message>
        <source>Show the &amp;working</source>
        <translation>&amp;Montrer le calcul</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Score: %1 of %2 right</source>
        <translation>Score : %1 sur %2 justes</translation>
    </message>
</context>
<context>
    <name>octaval::frmSubnets</name>
    <message>
        <source>Subnet</source>
        <translation>Sous-réseau</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>First host</source>
        <translation>Premier hôte</translation>
    </message>
    <message>
        <source>Last host</source>
        <translation>Dernier hôte</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Diffusion</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Subnets</source>
        <translation>Sous-réseaux</translation>
    </message>
    <message>
        <source>Find an address or a subnet number:</source>
        <translation>Chercher une adresse ou un numéro de sous-réseau :</translation>
    </message>
    <message>
        <source>Find a subnet</source>
        <translation>Chercher un sous-réseau</translation>
    </message>
    <message>
        <source>Ctrl+F: find; Enter selects the row</source>
        <translation>Ctrl+F : chercher ; Entrée sélectionne la ligne</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Save as CSV…</source>
        <translation>Enregistrer en CSV…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Copy rows</source>
        <translation>Copier les lignes</translation>
    </message>
    <message>
        <source>No subnets to list: press Recalculate in the main window first</source>
        <translation>Aucun sous-réseau à lister : cliquez d’abord sur « Recalculer » dans la fenêtre principale</translation>
    </message>
    <message>
        <source>No subnets to list: %1</source>
        <translation>Aucun sous-réseau à lister : %1</translation>
    </message>
    <message>
        <source>%1 %2 of the class %3 network %4 under %5</source>
        <translation>%1 %2 du réseau de classe %3 %4 sous %5</translation>
    </message>
    <message>
        <source>subnet</source>
        <translation>sous-réseau</translation>
    </message>
    <message>
        <source>subnets</source>
        <translation>sous-réseaux</translation>
    </message>
    <message>
        <source>Subnet %1</source>
        <translation>Sous-réseau %1</translation>
    </message>
    <message>
        <source>Too many rows to copy (%1, at most %2): &quot;%3&quot; writes the whole list</source>
        <translation>Trop de lignes à copier (%1, au plus %2) : « %3 » écrit toute la liste</translation>
    </message>
    <message>
        <source>Copied 1 row</source>
        <translation>1 ligne copiée</translation>
    </message>
    <message>
        <source>Copied %1 rows</source>
        <translation>%1 lignes copiées</translation>
    </message>
    <message>
        <source>Save the subnets as CSV</source>
        <translation>Enregistrer les sous-réseaux en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Saved %1 rows to %2</source>
        <translation>%1 lignes enregistrées dans %2</translation>
    </message>
    <message>
        <source>Cannot save the list to %1: %2</source>
        <translation>Impossible d’enregistrer la liste dans %1 : %2</translation>
    </message>
    <message>
        <source>reserved, all zeros</source>
        <translation>réservé, tout à zéro</translation>
    </message>
    <message>
        <source>reserved, all ones</source>
        <translation>réservé, tout à un</translation>
    </message>
    <message>
        <source>holds %1</source>
        <translation>contient %1</translation>
    </message>
    <message>
        <source>Class %1 has no subnets</source>
        <translation>La classe %1 n’a pas de sous-réseaux</translation>
    </message>
    <message>
        <source>Type an address or a subnet number</source>
        <translation>Saisissez une adresse ou un numéro de sous-réseau</translation>
    </message>
    <message>
        <source>There is no subnet %1: they are numbered 0 to %2</source>
        <translation>Il n’y a pas de sous-réseau %1 : ils sont numérotés de 0 à %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither an address (such as 10.1.2.3) nor a subnet number</source>
        <translation>« %1 » n’est ni une adresse (comme 10.1.2.3) ni un numéro de sous-réseau</translation>
    </message>
    <message>
        <source>%1 is not in the network %2</source>
        <translation>%1 n’est pas dans le réseau %2</translation>
    </message>
</context>
<context>
    <name>octaval::frmWorking</name>
    <message>
        <source>No working yet: press Recalculate in the main window first.</source>
        <translation>Pas encore de calcul : cliquez d’abord sur « Recalculer » dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>the class&apos;s network bits</source>
        <translation>les bits de réseau de la classe</translation>
    </message>
    <message>
        <source>the subnet bits</source>
        <translation>les bits de sous-réseau</translation>
    </message>
    <message>
        <source>the host bits</source>
        <translation>les bits d&apos;hôte</translation>
    </message>
    <message>
        <source>no fields</source>
        <translation>aucun champ</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copies the whole working as text (Ctrl+C)</source>
        <translation>Copie tout le calcul en texte (Ctrl+C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Working of %1 %2: %3</source>
        <translation>Calcul de %1 %2 : %3</translation>
    </message>
    <message>
        <source>%1 in binary</source>
        <translation>%1 en binaire</translation>
    </message>
    <message>
        <source>Legend: </source>
        <translation>Légende : </translation>
    </message>
    <message>
        <source>class %1 has no network, subnet and host fields</source>
        <translation>la classe %1 n&apos;a pas de champs réseau, sous-réseau et hôte</translation>
    </message>
</context>
</TS>
