<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Caption</name>
    <message>
        <source>Subnets</source>
        <translation>Sous-réseaux</translation>
    </message>
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
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>%1, octet %2</source>
        <translation>%1, octet %2</translation>
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
        <source>Marks</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Network (subnet) address</source>
        <translation>Adresse du réseau (sous-réseau)</translation>
    </message>
    <message>
        <source>Broadcast address</source>
        <translation>Adresse de diffusion</translation>
    </message>
    <message>
        <source>Network bits of the class</source>
        <translation>Bits de réseau de la classe</translation>
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
</context>
<context>
    <name>Practice</name>
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
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong, expected %1</source>
        <translation>faux, attendu&#xa0;: %1</translation>
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
    <message numerus="yes">
        <source>%n bits, Class %1</source>
        <translation>
            <numerusform>%n bit, classe %1</numerusform>
            <numerusform>%n bits, classe %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bits, no subnets</source>
        <translation>
            <numerusform>%n bit, aucun sous-réseau</numerusform>
            <numerusform>%n bits, aucun sous-réseau</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bits, %1 subnets</source>
        <translation>
            <numerusform>%n bit, %1 sous-réseau</numerusform>
            <numerusform>%n bits, %1 sous-réseaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bits, %1 hosts</source>
        <translation>
            <numerusform>%n bit, %1 hôte</numerusform>
            <numerusform>%n bits, %1 hôtes</numerusform>
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
        <translation>Sous-réseau non valide (tous à 0) ou utiliser subnet-zero</translation>
    </message>
    <message>
        <source>Illegal subnet (all ones)</source>
        <translation>Sous-réseau non valide (tous à 1)</translation>
    </message>
    <message>
        <source>No host(s)</source>
        <translation>Aucun hôte</translation>
    </message>
    <message>
        <source>Illegal host ip address (all zeros = network)</source>
        <translation>Adresse IP d’hôte non valide (tous à 0 = réseau)</translation>
    </message>
    <message>
        <source>Illegal host ip address (all ones = broadcast)</source>
        <translation>Adresse IP d’hôte non valide (tous à 1 = diffusion)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>&apos;|&apos; between %1, %2 and %3</source>
        <translation>«&#x202f;|&#x202f;» entre %1, %2 et %3</translation>
    </message>
    <message>
        <source>the class&apos;s network bits (%1)</source>
        <translation>les bits de réseau de la classe (%1)</translation>
    </message>
    <message>
        <source>the subnet bits (%1)</source>
        <translation>les bits de sous-réseau (%1)</translation>
    </message>
    <message>
        <source>the host bits (%1)</source>
        <translation>les bits d’hôte (%1)</translation>
    </message>
    <message>
        <source>class %1 has no network, subnet and host fields</source>
        <translation>la classe %1 n’a pas de champs réseau, sous-réseau et hôte</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«&#x202f;%1&#x202f;»</translation>
    </message>
    <message>
        <source>%1, read as %2</source>
        <translation>%1, lu comme %2</translation>
    </message>
    <message>
        <source>The press stops at the check of reading the address.</source>
        <translation>Le calcul s’arrête au contrôle de la lecture de l’adresse.</translation>
    </message>
    <message>
        <source>The press stops at the check of reading the mask.</source>
        <translation>Le calcul s’arrête au contrôle de la lecture du masque.</translation>
    </message>
    <message>
        <source>The press stops at the check of the address.</source>
        <translation>Le calcul s’arrête au contrôle de l’adresse.</translation>
    </message>
    <message>
        <source>The press stops at the check of the mask&apos;s octet values.</source>
        <translation>Le calcul s’arrête au contrôle des valeurs des octets du masque.</translation>
    </message>
    <message>
        <source>The press stops at the check of the mask versus the class.</source>
        <translation>Le calcul s’arrête au contrôle du masque par rapport à la classe.</translation>
    </message>
    <message>
        <source>The press stops at the check of the mask&apos;s shape.</source>
        <translation>Le calcul s’arrête au contrôle de la forme du masque.</translation>
    </message>
    <message>
        <source>octet %1, %2, is beyond the number range</source>
        <translation>l’octet %1, %2, dépasse la plage des nombres</translation>
    </message>
    <message>
        <source>octet 4, %1, reads as %2, beyond the range -32768 to 32767 in which its bits are taken</source>
        <translation>l’octet 4, %1, se lit comme %2, hors de la plage de -32768 à 32767 dans laquelle ses bits sont pris</translation>
    </message>
    <message>
        <source>Every text is read as a number before the checks. Here %1.</source>
        <translation>Chaque texte est lu comme un nombre avant les contrôles. Ici, %1.</translation>
    </message>
    <message>
        <source>octet %1, %2, is above 255</source>
        <translation>l’octet %1, %2, est supérieur à 255</translation>
    </message>
    <message>
        <source>octet %1, %2, is below 0</source>
        <translation>l’octet %1, %2, est inférieur à 0</translation>
    </message>
    <message>
        <source>octet %1, %2, is not a whole number</source>
        <translation>l’octet %1, %2, n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>octet %1, %2, is 0</source>
        <translation>l’octet %1, %2, vaut 0</translation>
    </message>
    <message>
        <source>Every octet of the address must be a whole number from 0 to 255, and the first must not be 0. Here %1.</source>
        <translation>Chaque octet de l’adresse doit être un nombre entier de 0 à 255, et le premier ne doit pas valoir 0. Ici, %1.</translation>
    </message>
    <message>
        <source>octet %1, %2, is none of them</source>
        <translation>l’octet %1, %2, n’en fait pas partie</translation>
    </message>
    <message>
        <source>Every octet of the mask must be one of 255, 254, 252, 248, 240, 224, 192, 128 and 0, the octets of one bits followed by zero bits. Here %1.</source>
        <translation>Chaque octet du masque doit valoir 255, 254, 252, 248, 240, 224, 192, 128 ou 0, les octets faits de bits à un suivis de bits à zéro. Ici, %1.</translation>
    </message>
    <message>
        <source>octet 2 (%1) is below octet 1 (%2), and then octets 3 and 4 must not both be above 0; they are %3 and %4</source>
        <translation>l’octet 2 (%1) est inférieur à l’octet 1 (%2), et alors les octets 3 et 4 ne doivent pas être tous deux supérieurs à 0&#x202f;; ils valent %3 et %4</translation>
    </message>
    <message>
        <source>octet 3 (%1) is below octet 2 (%2), and then octet 4 must be 0; it is %3</source>
        <translation>l’octet 3 (%1) est inférieur à l’octet 2 (%2), et alors l’octet 4 doit valoir 0&#x202f;; il vaut %3</translation>
    </message>
    <message>
        <source>octet 1 is %1, not 255</source>
        <translation>l’octet 1 vaut %1, pas 255</translation>
    </message>
    <message>
        <source>octet %1 (%2) is above octet %3 (%4)</source>
        <translation>l’octet %1 (%2) est supérieur à l’octet %3 (%4)</translation>
    </message>
    <message>
        <source>A mask starts with 255 and its octets never rise from left to right; below a 255 only the last octet may fall again to 0 (255.a.b.0). Here %1.</source>
        <translation>Un masque commence par 255 et ses octets ne croissent jamais de gauche à droite&#x202f;; sous un 255, seul le dernier octet peut retomber à 0 (255.a.b.0). Ici, %1.</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Champs</translation>
    </message>
    <message>
        <source>Classes D and E have no network, subnet and host fields: no subnet bits, and the findings look at the whole address, bits 1 to 32, as its host field.</source>
        <translation>Les classes D et E n’ont pas de champs réseau, sous-réseau et hôte&#xa0;: pas de bits de sous-réseau, et les constats prennent toute l’adresse, bits 1 à 32, comme son champ d’hôte.</translation>
    </message>
    <message>
        <source>The first octet, %1, is %2 in binary.</source>
        <translation>Le premier octet, %1, s’écrit %2 en binaire.</translation>
    </message>
    <message>
        <source>Its leading bits %1 give class %2 (first octet %3 to %4): %5.</source>
        <translation>Ses bits de tête %1 donnent la classe %2 (premier octet de %3 à %4)&#xa0;: %5.</translation>
    </message>
    <message>
        <source>Natural mask</source>
        <translation>Masque naturel</translation>
    </message>
    <message>
        <source>Class %1&apos;s natural mask is %2: one bits for its %3 network bits.</source>
        <translation>Le masque naturel de la classe %1 est %2&#xa0;: des bits à un pour ses %3 bits de réseau.</translation>
    </message>
    <message>
        <source>The mask %1 is shorter than class %2&apos;s %3 network bits; the class still fixes them, and has no one bits beyond the class&apos;s %3: no subnet bits.</source>
        <translation>Le masque %1 est plus court que les %3 bits de réseau de la classe %2&#x202f;; la classe les fixe quand même, et il n’a aucun bit à un au-delà des %3 de la classe&#xa0;: pas de bits de sous-réseau.</translation>
    </message>
    <message>
        <source>The mask %1 has no one bits beyond the class&apos;s %2: no subnet bits.</source>
        <translation>Le masque %1 n’a aucun bit à un au-delà des %2 de la classe&#xa0;: pas de bits de sous-réseau.</translation>
    </message>
    <message>
        <source>octet %1, %2 = %3, gives %4</source>
        <translation>l’octet %1, %2 = %3, en donne %4</translation>
    </message>
    <message>
        <source>The rest are host bits: 32 - %1 - %2 = %3.</source>
        <translation>Les autres sont des bits d’hôte&#xa0;: 32 - %1 - %2 = %3.</translation>
    </message>
    <message>
        <source>Subnet and host bits</source>
        <translation>Bits de sous-réseau et d’hôte</translation>
    </message>
    <message>
        <source>Without subnet bits the network is not subnetted: %1.</source>
        <translation>Sans bits de sous-réseau, le réseau n’est pas découpé en sous-réseaux&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Hosts</source>
        <translation>Hôtes</translation>
    </message>
    <message>
        <source>%1 - 2 = %2 usable hosts in each subnet: host bits all zeros name the subnet itself, all ones its broadcast address.</source>
        <translation>%1 - 2 = %2 hôtes utilisables dans chaque sous-réseau&#xa0;: des bits d’hôte tous à 0 désignent le sous-réseau lui-même, tous à 1 son adresse de diffusion.</translation>
    </message>
    <message>
        <source>subnet %1 is %2</source>
        <translation>le sous-réseau %1 est %2</translation>
    </message>
    <message>
        <source>Block size</source>
        <translation>Taille de bloc</translation>
    </message>
    <message>
        <source>The mask&apos;s subnet bits are not one run of bits, so the subnets do not follow each other in steps of one size: %1.</source>
        <translation>Les bits de sous-réseau du masque ne forment pas une suite continue, donc les sous-réseaux ne se suivent pas par pas d’une même taille&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The last subnet bit has the value %1 in octet %2, so the subnets follow each other in steps of %1 there: %3 and so on.</source>
        <translation>Le dernier bit de sous-réseau vaut %1 dans l’octet %2, donc les sous-réseaux s’y suivent par pas de %1&#xa0;: %3 et ainsi de suite.</translation>
    </message>
    <message>
        <source>The last subnet bit has the value %1 in octet %2, so the subnets follow each other in steps of %1 there: %3.</source>
        <translation>Le dernier bit de sous-réseau vaut %1 dans l’octet %2, donc les sous-réseaux s’y suivent par pas de %1&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The address&apos;s subnet bits read %1: subnet %2 of 0 to %3, reserved (all zeros).</source>
        <translation>Les bits de sous-réseau de l’adresse se lisent %1&#xa0;: sous-réseau %2 de 0 à %3, réservé (tous à 0).</translation>
    </message>
    <message>
        <source>The address&apos;s subnet bits read %1: subnet %2 of 0 to %3, reserved (all ones).</source>
        <translation>Les bits de sous-réseau de l’adresse se lisent %1&#xa0;: sous-réseau %2 de 0 à %3, réservé (tous à 1).</translation>
    </message>
    <message>
        <source>The address&apos;s subnet bits read %1: subnet %2 of 0 to %3, not reserved.</source>
        <translation>Les bits de sous-réseau de l’adresse se lisent %1&#xa0;: sous-réseau %2 de 0 à %3, non réservé.</translation>
    </message>
    <message>
        <source>The address&apos;s subnet</source>
        <translation>Le sous-réseau de l’adresse</translation>
    </message>
    <message>
        <source>The address And the mask: %1 And %2 = %3, each bit 1 only where both are 1; the mask being shorter than the class clears network bits too, where the class&apos;s network bits and the subnet bits alone give %4.</source>
        <translation>L’adresse ET le masque&#xa0;: %1 ET %2 = %3, chaque bit à 1 seulement là où les deux sont à 1&#x202f;; le masque, plus court que la classe, efface aussi des bits de réseau, là où les bits de réseau de la classe et les bits de sous-réseau seuls donnent %4.</translation>
    </message>
    <message>
        <source>The address And the mask: %1 And %2 = %3, each bit 1 only where both are 1.</source>
        <translation>L’adresse ET le masque&#xa0;: %1 ET %2 = %3, chaque bit à 1 seulement là où les deux sont à 1.</translation>
    </message>
    <message>
        <source>The network Or the inverted mask: %1 Or %2 = %3, the bits that the mask leaves all set to 1.</source>
        <translation>Le réseau OU le masque inversé&#xa0;: %1 OU %2 = %3, les bits que le masque laisse libres tous mis à 1.</translation>
    </message>
    <message>
        <source>First and last subnet</source>
        <translation>Premier et dernier sous-réseau</translation>
    </message>
    <message>
        <source>Without subnet bits there are no subnets: the rows Subnet 1 and Subnet N stay empty.</source>
        <translation>Sans bits de sous-réseau, il n’y a pas de sous-réseaux&#xa0;: les lignes S.-réseau 1 et S.-réseau N restent vides.</translation>
    </message>
    <message>
        <source>With one subnet bit both subnets are reserved: there is no usable subnet, and the rows Subnet 1 and Subnet N stay empty.</source>
        <translation>Avec un seul bit de sous-réseau, les deux sous-réseaux sont réservés&#xa0;: il n’y a aucun sous-réseau utilisable, et les lignes S.-réseau 1 et S.-réseau N restent vides.</translation>
    </message>
    <message>
        <source>The network with bits %1 to %2 set to %3 and to %4: subnet 1 is %5 and subnet %6 is %7 (the rows Subnet 1 and Subnet N).</source>
        <translation>Le réseau avec les bits %1 à %2 mis à %3 et à %4&#xa0;: le sous-réseau 1 est %5 et le sous-réseau %6 est %7 (les lignes S.-réseau 1 et S.-réseau N).</translation>
    </message>
    <message>
        <source>The network with bits %1 to %2 set to %3 and to %4: subnet 1 is %5 and subnet %6 is %7 (the rows Subnet 1 and Subnet N). With this mask those are not the mask&apos;s own subnet bits, which number the subnets above (subnet 1 is %8).</source>
        <translation>Le réseau avec les bits %1 à %2 mis à %3 et à %4&#xa0;: le sous-réseau 1 est %5 et le sous-réseau %6 est %7 (les lignes S.-réseau 1 et S.-réseau N). Avec ce masque, ce ne sont pas les bits de sous-réseau propres au masque, qui numérotent les sous-réseaux ci-dessus (le sous-réseau 1 est %8).</translation>
    </message>
    <message>
        <source>bit %1, reads %2: all zeros, %3</source>
        <translation>bit %1, se lit %2&#xa0;: tous à 0, %3</translation>
    </message>
    <message>
        <source>bit %1, reads %2: all ones, %3</source>
        <translation>bit %1, se lit %2&#xa0;: tous à 1, %3</translation>
    </message>
    <message>
        <source>bits %1 to %2, reads %3: all zeros, %4</source>
        <translation>bits %1 à %2, se lit %3&#xa0;: tous à 0, %4</translation>
    </message>
    <message>
        <source>bits %1 to %2, reads %3: all ones, %4</source>
        <translation>bits %1 à %2, se lit %3&#xa0;: tous à 1, %4</translation>
    </message>
    <message>
        <source>bits %1 to %2, reads %3: neither all zeros nor all ones</source>
        <translation>bits %1 à %2, se lit %3&#xa0;: ni tous à 0 ni tous à 1</translation>
    </message>
    <message>
        <source>The subnet field of the network, %1.</source>
        <translation>Le champ de sous-réseau du réseau, %1.</translation>
    </message>
    <message>
        <source>The mask leaves no host bits: %1, and the press ends there: the Network, Subnet and Host lines and the rows Subnet 1 and Subnet N stay empty.</source>
        <translation>Le masque ne laisse aucun bit d’hôte&#xa0;: %1, et le calcul s’arrête là&#xa0;: les lignes Réseau, Sous-réseau et Hôte et les lignes S.-réseau 1 et S.-réseau N restent vides.</translation>
    </message>
    <message>
        <source>The host field of the address, %1.</source>
        <translation>Le champ d’hôte de l’adresse, %1.</translation>
    </message>
    <message>
        <source>A later finding replaces an earlier one: the status is %1.</source>
        <translation>Un constat ultérieur remplace un constat antérieur&#xa0;: l’état est %1.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>The status is %1, and every output box stays empty.</source>
        <translation>L’état est %1, et toutes les cases de résultat restent vides.</translation>
    </message>
    <message>
        <source>%1. %2: %3</source>
        <translation>%1. %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Working of %1 %2: %3</source>
        <translation>Détail du calcul de %1 %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>The first octet %1 makes the address class %2, and for that class one of the mask&apos;s first %3 octets must be 255 to cover its network bits. The mask %4 has no 255 there.</source>
        <comment>The first octet %1 makes the address class %2, and for that class the mask&apos;s first octet must be 255 to cover its network bits. The mask %4 has no 255 there.</comment>
        <translation>
            <numerusform>Le premier octet %1 place l’adresse dans la classe %2, et pour cette classe le premier octet du masque doit valoir 255 pour couvrir ses bits de réseau. Le masque %4 n’y a pas de 255.</numerusform>
            <numerusform>Le premier octet %1 place l’adresse dans la classe %2, et pour cette classe l’un des %3 premiers octets du masque doit valoir 255 pour couvrir ses bits de réseau. Le masque %4 n’y a pas de 255.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Its leading bits %1 give class %2 (first octet %3 to %4), whose network is the first %5 bits of the address.</source>
        <comment>Its leading bit %1 gives class %2 (first octet %3 to %4), whose network is the first %5 bits of the address.</comment>
        <translation>
            <numerusform>Son bit de tête %1 donne la classe %2 (premier octet de %3 à %4), dont le réseau est formé des %5 premiers bits de l’adresse.</numerusform>
            <numerusform>Ses bits de tête %1 donnent la classe %2 (premier octet de %3 à %4), dont le réseau est formé des %5 premiers bits de l’adresse.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The mask %1 is shorter than class %2&apos;s %3 network bits; the class still fixes them, and has %4 one bits beyond the class&apos;s %3 (%5): these are the subnet bits.</source>
        <comment>The mask %1 is shorter than class %2&apos;s %3 network bits; the class still fixes them, and has %4 one bit beyond the class&apos;s %3 (%5): these are the subnet bits.</comment>
        <translation>
            <numerusform>Le masque %1 est plus court que les %3 bits de réseau de la classe %2&#x202f;; la classe les fixe quand même, et il a %4 bit à un au-delà des %3 de la classe (%5)&#xa0;: c’est le bit de sous-réseau.</numerusform>
            <numerusform>Le masque %1 est plus court que les %3 bits de réseau de la classe %2&#x202f;; la classe les fixe quand même, et il a %4 bits à un au-delà des %3 de la classe (%5)&#xa0;: ce sont les bits de sous-réseau.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The mask %1 has %2 one bits beyond the class&apos;s %3 (%4): these are the subnet bits.</source>
        <comment>The mask %1 has %2 one bit beyond the class&apos;s %3 (%4): these are the subnet bits.</comment>
        <translation>
            <numerusform>Le masque %1 a %2 bit à un au-delà des %3 de la classe (%4)&#xa0;: c’est le bit de sous-réseau.</numerusform>
            <numerusform>Le masque %1 a %2 bits à un au-delà des %3 de la classe (%4)&#xa0;: ce sont les bits de sous-réseau.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - 2 = %2 usable subnets: the subnets whose subnet bits are all zeros or all ones are reserved. Where subnet zero and the all-ones subnet may be used, %1 = %3 subnets.</source>
        <comment>%1 - 2 = %2 usable subnets: the subnets whose subnet bits are all zeros or all ones are reserved (with one subnet bit, both of them). Where subnet zero and the all-ones subnet may be used, %1 = %3 subnets.</comment>
        <translation>
            <numerusform>%1 - 2 = %2 sous-réseaux utilisables&#xa0;: les sous-réseaux dont les bits de sous-réseau sont tous à 0 ou tous à 1 sont réservés (avec un seul bit de sous-réseau, les deux). Là où le sous-réseau zéro et le sous-réseau aux bits tous à 1 sont permis, %1 = %3 sous-réseaux.</numerusform>
            <numerusform>%1 - 2 = %2 sous-réseaux utilisables&#xa0;: les sous-réseaux dont les bits de sous-réseau sont tous à 0 ou tous à 1 sont réservés. Là où le sous-réseau zéro et le sous-réseau aux bits tous à 1 sont permis, %1 = %3 sous-réseaux.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>octaval::frmAbout</name>
    <message>
        <source>© 2026 the Octaval developers. Licence GPL-3.0-or-later, terms in LICENSE beside the program. More in README.md.</source>
        <translation>© 2026 les développeurs d’Octaval. Licence GPL-3.0-or-later, termes dans LICENSE à côté du programme. Plus dans README.md.</translation>
    </message>
    <message>
        <source>© 2026 the Octaval developers. Licence GPL-3.0-or-later, terms in
/usr/share/doc/octaval/copyright
More in octaval(1) and the README.</source>
        <translation>© 2026 les développeurs d’Octaval. Licence GPL-3.0-or-later, termes dans
/usr/share/doc/octaval/copyright
Plus dans octaval(1) et le README.</translation>
    </message>
    <message>
        <source>Free to share and use. The author accepts no responsibility for any damage or loss of data it may cause.</source>
        <translation>Libre à partager et à utiliser. L’auteur décline toute responsabilité pour les dommages ou pertes de données causés.</translation>
    </message>
    <message>
        <source>%1 %2 calculates subnet and broadcast address via given IP address and subnet mask.</source>
        <translation>%1 %2 calcule les adresses de sous-réseau et de diffusion à partir de l’adresse IP et du masque.</translation>
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
        <source>Copy results</source>
        <translation>Copier les résultats</translation>
    </message>
    <message>
        <source>Every subnet…</source>
        <translation>Tous les sous-réseaux…</translation>
    </message>
    <message>
        <source>Show the working…</source>
        <translation>Afficher le détail du calcul…</translation>
    </message>
    <message>
        <source>Practice…</source>
        <translation>Exercices…</translation>
    </message>
    <message>
        <source>Ctrl+L: every subnet</source>
        <translation>Ctrl+L&#xa0;: tous les sous-réseaux</translation>
    </message>
    <message>
        <source>Ctrl+B: show the working</source>
        <translation>Ctrl+B&#xa0;: afficher le détail du calcul</translation>
    </message>
    <message>
        <source>Ctrl+P: practice</source>
        <translation>Ctrl+P&#xa0;: exercices</translation>
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
        <translation>Adresse IP de l’exercice</translation>
    </message>
    <message>
        <source>Problem subnet mask</source>
        <translation>Masque de sous-réseau de l’exercice</translation>
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
        <translation>Afficher le &amp;détail du calcul</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Score: %1 of %2 right</source>
        <translation>Score&#xa0;: %1 sur %2</translation>
    </message>
</context>
<context>
    <name>octaval::frmSubnets</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Find an address or a subnet number:</source>
        <translation>Chercher une adresse ou un numéro de sous-réseau&#xa0;:</translation>
    </message>
    <message>
        <source>Find a subnet</source>
        <translation>Chercher un sous-réseau</translation>
    </message>
    <message>
        <source>Ctrl+F: find; Enter selects the row</source>
        <translation>Ctrl+F&#xa0;: chercher&#x202f;; Entrée sélectionne la ligne</translation>
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
        <source>Copy rows</source>
        <translation>Copier les lignes</translation>
    </message>
    <message>
        <source>No subnets to list: press Recalculate in the main window first</source>
        <translation>Aucun sous-réseau à lister&#xa0;: cliquez d’abord sur «&#x202f;Recalculer&#x202f;» dans la fenêtre principale</translation>
    </message>
    <message>
        <source>No subnets to list: %1</source>
        <translation>Aucun sous-réseau à lister&#xa0;: %1</translation>
    </message>
    <message>
        <source>Subnet %1</source>
        <translation>Sous-réseau %1</translation>
    </message>
    <message>
        <source>Too many rows to copy (%1, at most %2): &quot;%3&quot; writes the whole list</source>
        <translation>Trop de lignes à copier (%1, au plus %2)&#xa0;: «&#x202f;%3&#x202f;» écrit toute la liste</translation>
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
        <translation>Impossible d’enregistrer la liste dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>reserved, all zeros</source>
        <translation>réservé, tous à 0</translation>
    </message>
    <message>
        <source>reserved, all ones</source>
        <translation>réservé, tous à 1</translation>
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
        <translation>Il n’y a pas de sous-réseau %1&#xa0;: ils sont numérotés de 0 à %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither an address (such as 10.1.2.3) nor a subnet number</source>
        <translation>«&#x202f;%1&#x202f;» n’est ni une adresse (comme 10.1.2.3) ni un numéro de sous-réseau</translation>
    </message>
    <message>
        <source>%1 is not in the network %2</source>
        <translation>%1 n’est pas dans le réseau %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln subnets</source>
        <translation>
            <numerusform>%Ln sous-réseau</numerusform>
            <numerusform>%Ln sous-réseaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln usable</source>
        <translation>
            <numerusform>%Ln utilisable</numerusform>
            <numerusform>%Ln utilisables</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 of the class %3 network %4 under %5</source>
        <translation>%1 du réseau de classe %3 %4 avec le masque %5, dont %2</translation>
    </message>
</context>
<context>
    <name>octaval::frmWorking</name>
    <message>
        <source>No working yet: press Recalculate in the main window first.</source>
        <translation>Pas encore de détail du calcul&#xa0;: cliquez d’abord sur «&#x202f;Recalculer&#x202f;» dans la fenêtre principale.</translation>
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
        <translation>les bits d’hôte</translation>
    </message>
    <message>
        <source>no fields</source>
        <translation>aucun champ</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Détail du calcul</translation>
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
        <translation>Copie tout le détail du calcul en texte (Ctrl+C)</translation>
    </message>
    <message>
        <source>%1 in binary</source>
        <translation>%1 en binaire</translation>
    </message>
    <message>
        <source>Legend: </source>
        <translation>Légende&#xa0;: </translation>
    </message>
</context>
</TS>
